#pragma once
// frmCompCar, "Full use of Company Car": the fringe benefit of the private use of one or
// more company vehicles against the code 3802 amount of the IRP5. The vehicles are kept in
// the session (CompanyCarSet); the window edits the record of the vehicle shown, steps
// through the set, adds and deletes vehicles, and calculates all of them together.

#include "common/childwindow.h"
#include "vehicle/companycarcalc.h"

#include <initializer_list>

class QCheckBox;
class QLabel;
class QPushButton;

namespace kestrel {

class DateField;
class NumberField;
class PrintChoicePanel;
class TextField;
class WholeField;

class CompanyCarWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit CompanyCarWindow(QWidget* parent = nullptr);

    void windowActivated() override;

    /// "&Calculate": with exactly one vehicle its code 3802 amount becomes the total of
    /// the IRP5; then the calculation runs twice.
    void calculateCommand();

    /// The caption for a shown number and a count.
    static QString captionFor(int shownNumber, int count);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CompanyCarSet& set() const;
    CompanyCarRecord& record() const;

    void buildLayout();
    void connectFields();
    void openWindow();

    void fillFrom(int index);
    CompanyCarCalculation runCalc();
    void showCalculation(const CompanyCarCalculation& calc);
    void zeroResults();
    void updateCaption();

    void allOn();
    void allOff();
    void enable(std::initializer_list<QWidget*> widgets);
    void applyAutoSplitBox();
    void registrationChanged(const QString& text);
    void navigationEnabling();

    void add();
    void back();
    void forward();
    void moveTo(int index);
    void remove();
    void print(int destination);

    void storeNumber(WholeField* field, double CompanyCarRecord::*member);
    void storeText(TextField* field, QString CompanyCarRecord::*member);
    void dateRejected(bool isStart);
    void storeDate(bool isStart);

    // Vehicle
    QLabel* lblCCRegNumber;
    TextField* txtCCRegNumber;
    TextField* txtCCMake;
    TextField* txtCCModel;
    TextField* txtYearOfManfact;
    WholeField* numCCPrice;
    QCheckBox* chkMaintIncluded;
    DateField* dtCCStartDate;
    DateField* dtCCEndDate;
    NumberField* numDays;
    // Distance
    WholeField* numEndMileage;
    WholeField* numStartMileage;
    WholeField* numTotalDistance;
    WholeField* numBusDistance;
    NumberField* numPrivateDistance;
    QCheckBox* chkBussMilage;
    // Fuel and costs borne by the employee
    WholeField* numActualExpEmployee;
    QCheckBox* chkSARSTable;
    NumberField* numFuelComponent;
    WholeField* numFuelReimbEmployer;
    WholeField* numEmpPaidInsurance;
    WholeField* numEmpPaidLicence;
    WholeField* numEmpPaidMaintenance;
    // Code 3802
    WholeField* numActual3802;
    QCheckBox* chkAutoSplit;
    WholeField* numFB3802ThisCar;
    // Results
    NumberField* numTrueInclusion;
    NumberField* numFuelClaim;
    NumberField* numTotAddExpense;
    NumberField* numTrueInclusion2;
    NumberField* numFuelExp;
    NumberField* numAdjustTaxableInc;
    NumberField* numSARSAdjustment;
    NumberField* numIRP53802;
    NumberField* numMonFB80;
    NumberField* numMonFB20;
    NumberField* numFortFB80;
    NumberField* numFortFB20;
    NumberField* numWeekFB80;
    NumberField* numWeekFB20;
    NumberField* numTotalAdjustment;
    NumberField* numTotalSARSAdjustment;
    QList<NumberField*> resultFields_;

    QPushButton* cmdOk;
    QPushButton* cmdBack;
    QPushButton* cmdAdd;
    QPushButton* cmdDelete;
    QPushButton* cmdForward;
    QPushButton* cmdCalculate;
    QPushButton* cmdPrint;

    PrintChoicePanel* fraPrint;

    QList<QWidget*> controls_;  ///< every control that "all on" and "all off" switch
    bool filling_ = false;
    bool endDateInvalid_ = false;
};

}  // namespace kestrel
