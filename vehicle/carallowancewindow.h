#pragma once
// frmCarAll1, "Travel Allowance": the deduction that an employee may claim against a car
// (travel) allowance, by the deemed-cost method (no accurate record kept) or the
// actual-cost method (accurate record kept). Its inputs and results live in the session
// (TravelClaimInputs, TravelClaimResult); the start and end date are the window's own.

#include "common/childwindow.h"
#include "common/dates.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kestrel {

class DateField;
class NumberField;
class PrintChoicePanel;
class TextField;
class WholeField;

class CarAllowanceWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit CarAllowanceWindow(QWidget* parent = nullptr);

    /// Calculate: the period from the dates, then the claim of the chosen method; shows
    /// the results.
    void calculate();

    void windowActivated() override;

    DayNumber startDate() const { return startDate_; }
    DayNumber endDate() const { return endDate_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildLayout();
    void connectFields();
    QWidget* buildDeemedPanel();
    QWidget* buildActualPanel();
    void fillFromSession();
    void applyMode();
    void showResults();
    void costChanged(WholeField* field, double value, double* target);
    void singlePaymentChanged(WholeField* field, double value, double* target, double other);
    void dateRejected(bool isStart);
    void storeDate(bool isStart);
    void enterPressed();
    void print(int destination);

    // Inputs
    TextField* txtCar;
    QCheckBox* chkIncludeFuel;
    QCheckBox* chkIncludeMaint;
    QRadioButton* optNo;
    QRadioButton* optYes;
    WholeField* numVehicleValue;
    WholeField* numAllowance;
    WholeField* numCloseKm;
    WholeField* numOpenKm;
    WholeField* numBusinessKm;
    WholeField* numFuelOil;
    WholeField* numRepairs;
    WholeField* numInsurance;
    WholeField* numOtherExp;
    WholeField* numWearTear;
    WholeField* numLease;
    DateField* dtStartDate;
    DateField* dtEndDate;
    WholeField* numPeriod;
    QLineEdit* txtPeriodCover;

    // Labels and "R" signs that the mode enables
    QLabel* lblVehicleValue;
    QLabel* lblVehicleValueR;
    QList<QWidget*> costWidgets_;  ///< the six cost fields with their labels and R signs
    QList<QWidget*> dateWidgets_;  ///< the dates with their labels
    QLabel* lblPeriod;
    QLabel* lblIfKept;

    // Results
    QWidget* fraDeemed;
    QWidget* fraActual;
    NumberField* numDeemedBusiness;
    NumberField* numDeemedPrivate;
    NumberField* numDeemedTotal;
    NumberField* numFixedCostYear;
    NumberField* numFixedKms;
    NumberField* numFixedDays;
    NumberField* numFixedYearDays;
    NumberField* numFixedCostKm;
    NumberField* numFuelCostKm;
    NumberField* numMaintCostKm;
    NumberField* numTotalCostKm;
    NumberField* numDeemedClaim;
    NumberField* numActBusiness;
    NumberField* numActPrivate;
    NumberField* numActTotal;
    NumberField* numActTotalCosts;
    NumberField* numActPrivateUse;
    NumberField* numActTravelExp;
    NumberField* numActClaim;

    QPushButton* cmdCalculate;
    QPushButton* cmdPrint;
    QPushButton* cmdOK;

    PrintChoicePanel* fraPrint;
    TextField* txtEmployeeName;

    DayNumber startDate_;
    DayNumber endDate_;
    bool filling_ = false;
};

}  // namespace kestrel
