#pragma once

#include <QDialog>
#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace staverly {

class frmMain;

// The Test Maker: a printable note test from the current range and clef,
// saved where the user chooses and opened in the browser.
class testFrm : public QDialog
{
    Q_OBJECT

public:
    explicit testFrm(frmMain &main);

    void testCmd_Click();
    void Command1_Click();

    QLabel *Label1;
    QGroupBox *Frame1;
    std::array<QRadioButton *, 2> type{};
    QLabel *Label2;
    QLineEdit *notesTxt;
    QPushButton *testCmd;
    QPushButton *Command1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    frmMain &m_main;
};

} // namespace staverly
