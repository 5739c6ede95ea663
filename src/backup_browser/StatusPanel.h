// One text panel of the browser's status bar: keeps the whole text, shows it on one line. A double
// click, or Enter, Return or Space while it has the keyboard focus, asks for the whole text.
#pragma once

#include <QLabel>

#include <string>

namespace rnx10 {

class StatusPanel : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StatusPanel)

public:
    explicit StatusPanel(QWidget *parent = nullptr);

    void setPanelText(const std::string &text);
    const std::string &panelText() const { return m_text; }

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showElided();

    std::string m_text;
    QString m_shown;
};

} // namespace rnx10
