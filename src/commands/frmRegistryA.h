// The registry navigator dialog: one entry, one button, Escape closes from any control.
#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;

namespace rnx10 {

class frmRegistryA : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmRegistryA)
public:
    explicit frmRegistryA(QWidget *parent = nullptr);

    // Refills the list with its one entry, none chosen; run at every showing.
    void Form_Load();
    // Navigates for the combo box's text; a service failure is told in a message box.
    void cmdViewRegEditForKey_Click();

private:
    void buildControls();

    QComboBox *m_cmbViewRegEditForKey;
    QPushButton *m_cmdViewRegEditForKey;
};

} // namespace rnx10
