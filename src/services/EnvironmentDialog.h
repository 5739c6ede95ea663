// Lists the suite's environment keys with their values and where each value came from.
#pragma once

#include <QDialog>

class QTableWidget;

namespace rnx10 {

class EnvironmentDialog : public QDialog {
    Q_OBJECT
public:
    explicit EnvironmentDialog(QWidget *parent = nullptr);

private:
    void fill();
    QTableWidget *m_table;
};

} // namespace rnx10
