#include "TsFile.h"

#include <QFile>
#include <QXmlStreamReader>

namespace rnx10::test {

std::vector<TsMessage> readTsFile(const QString &path)
{
    std::vector<TsMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") { // a context's name
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            TsMessage m;
            m.context = context;
            m.numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
            while (xml.readNextStartElement()) {
                if (xml.name() == u"source") {
                    m.source = xml.readElementText();
                } else if (xml.name() == u"comment") {
                    m.comment = xml.readElementText();
                } else if (xml.name() == u"translation") {
                    m.type = xml.attributes().value(QLatin1String("type")).toString();
                    if (!m.numerus) {
                        m.translations << xml.readElementText();
                        continue;
                    }
                    while (xml.readNextStartElement()) {
                        if (xml.name() == u"numerusform")
                            m.translations << xml.readElementText();
                        else
                            xml.skipCurrentElement();
                    }
                } else {
                    xml.skipCurrentElement();
                }
            }
            messages.push_back(m);
        }
    }
    return messages;
}

std::vector<TsMessage> shippedTranslation(const std::string &language)
{
    return readTsFile(QStringLiteral(RNX10_SOURCE_DIR "/translations/rnx10_") + QString::fromStdString(language) +
                      QStringLiteral(".ts"));
}

std::string translationOf(const std::string &language, const char *context, const char *source)
{
    for (const TsMessage &m : shippedTranslation(language))
        if (m.context == QLatin1String(context) && m.source == QString::fromUtf8(source) && !m.translations.isEmpty())
            return m.translations.front().toStdString();
    return {};
}

} // namespace rnx10::test
