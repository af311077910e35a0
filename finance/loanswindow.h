#pragma once
// frmLoans, the window "Loans": computes one of the four quantities of an annuity loan
// from the other three, shows the finance charges, the monthly and annual amortisation
// schedules, and prints the loan with or without a schedule. Every value lives in the
// session state, so the window shows its last loan again when it is reopened.

#include "common/childwindow.h"
#include "finance/financereports.h"
#include "finance/loancalc.h"
#include "finance/loanschedule.h"

#include <array>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace kestrel {

class NumberField;
class WholeField;
class PrintChoicePanel;

class LoansWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit LoansWindow(QWidget* parent = nullptr);

    /// Sets up the layout of the stored mode, fills the inputs from the session, runs the
    /// calculation and shows the finance charges when they are down.
    void windowActivated() override;

private:
    void buildForm();
    void buildSchedulePanel();
    void buildPrintPanel();
    void connectFields();

    void fillFromSession();
    void applyModeLayout(LoanMode mode);
    void chooseMode(LoanMode mode);
    /// Runs the calculation; messages only for a command of the user.
    void calculate(bool showMessages);
    void onCalculate();
    void onFinanceCharges();
    void setFinanceChargesVisible(bool visible);
    void fillFinanceCharges();

    void showSchedule(bool annual);
    void closeSchedule();
    void exportSchedule();
    void storeScheduleInSession(const std::vector<ScheduleRow>& monthly, const AnnualSchedule* annual);

    void onPrint();
    void print(int destination);

    /// Checks the entry of the focused field as if the user had left it; false when the
    /// field refused it (the command then does nothing).

    LoanMode mode() const;

    NumberField* numPrincipal_ = nullptr;
    WholeField* numPeriod_ = nullptr;
    NumberField* numRate_ = nullptr;
    NumberField* numRepayment_ = nullptr;
    NumberField* numTotInterest_ = nullptr;
    NumberField* numTotRepayments_ = nullptr;
    std::vector<QWidget*> financeChargeWidgets_;
    std::array<QRadioButton*, 4> modeButtons_{};
    QButtonGroup* modeGroup_ = nullptr;
    QLabel* lblMode_ = nullptr;
    QLabel* lblError_ = nullptr;

    QPushButton* cmdCalculate_ = nullptr;
    QPushButton* cmdFinCharges_ = nullptr;
    QPushButton* cmdMonthlyAmort_ = nullptr;
    QPushButton* cmdAnnualAmort_ = nullptr;
    QPushButton* cmdPrint_ = nullptr;
    QPushButton* cmdOK_ = nullptr;

    QFrame* fraAmort_ = nullptr;
    QLabel* lblAmortTitle_ = nullptr;
    QTableWidget* grdAmort_ = nullptr;
    QPushButton* cmdExportCsv_ = nullptr;
    QPushButton* cmdAmortOK_ = nullptr;
    std::vector<ScheduleRow> shownRows_;
    bool shownAnnual_ = false;

    PrintChoicePanel* fraPrint_ = nullptr;
    QCheckBox* chkIncludeAmort_ = nullptr;
    QGroupBox* fraAmortType_ = nullptr;
    QRadioButton* optAnnual_ = nullptr;
    QRadioButton* optMonthly_ = nullptr;
};

}  // namespace kestrel
