// Entry fields: the value rule, limits, rejection and restore behaviour, and the
// print-choice panel.
#include "common/fields.h"
#include "common/printchoicepanel.h"
#include "tests/support/testsupport.h"

#include <QPushButton>
#include <QSignalSpy>

using namespace kestrel;

class TestFields : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typedTextIsReadByLeadingNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("value");
        QTest::newRow("number") << "1500.25" << 1500.25;
        QTest::newRow("letters") << "xyz" << 0.0;
        QTest::newRow("signs") << "+-+3" << 0.0;
        QTest::newRow("huge") << "9e999" << std::numeric_limits<double>::max();
        QTest::newRow("grouped") << "12 500" << 12500.0;
    }
    void typedTextIsReadByLeadingNumber()
    {
        QFETCH(QString, typed);
        QFETCH(double, value);
        NumberField field;
        QSignalSpy changes(&field, &NumberField::valueChanged);
        QTest::keyClicks(&field, typed);
        QCOMPARE(field.value(), value);
        QCOMPARE(changes.count(), typed.size());
        QCOMPARE(changes.last().first().toDouble(), value);
    }

    void setValueFormatsAndReportsTheChange()
    {
        NumberField money(2);
        QSignalSpy changes(&money, &NumberField::valueChanged);
        money.setValue(2722.0833);
        QCOMPARE(money.text(), QStringLiteral("2722.08"));
        QCOMPARE(changes.count(), 1);
        NumberField grouped(2);
        grouped.setStyle(NumberField::Style::Grouped);
        grouped.setValue(45000);
        QCOMPARE(grouped.text(), QStringLiteral("45 000.00"));
        QCOMPARE(grouped.value(), 45000.0);
    }

    void outOfRangeEntryIsPutBackAndReported()
    {
        NumberField rate(3);
        rate.setRange(0, 40);
        rate.setValue(10);
        QSignalSpy rejected(&rate, &NumberField::outOfRange);
        QSignalSpy committed(&rate, &EntryField::committed);
        rate.setText(QStringLiteral("45"));
        rate.commit();
        QCOMPARE(rejected.count(), 1);
        QCOMPARE(rejected.first().first().toDouble(), 45.0);
        QCOMPARE(committed.count(), 0);
        QCOMPARE(rate.value(), 10.0);
        rate.setText(QStringLiteral("40"));
        rate.commit();
        QCOMPARE(rejected.count(), 1);
        QCOMPARE(committed.count(), 1);
        // The last accepted text is now 40.
        rate.setText(QStringLiteral("-1"));
        rate.commit();
        QCOMPARE(rate.value(), 40.0);
    }

    void zeroOrEmptyIsShownAsZeroOnLeave()
    {
        NumberField salary(2);
        salary.setZeroWhenEmptyOnLeave(true);
        salary.setText(QString());
        salary.commit();
        QCOMPARE(salary.text(), QStringLiteral("0"));
        salary.setText(QStringLiteral("abc"));
        salary.commit();
        QCOMPARE(salary.text(), QStringLiteral("0"));
    }

    void escapePutsBackTheTextOnFocus()
    {
        QWidget window;
        auto* field = new NumberField(2, &window);
        auto* other = new NumberField(2, &window);
        field->setEscapeRestores(true);
        field->setValue(100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        field->setFocus();
        QTRY_VERIFY(field->hasFocus());
        QTest::keyClicks(field, QStringLiteral("55"));
        QVERIFY(field->text() != QStringLiteral("100.00"));
        QTest::keyClick(field, Qt::Key_Escape);
        QCOMPARE(field->text(), QStringLiteral("100.00"));
        QVERIFY(field->hasFocus());
        (void)other;
    }

    void enterCommitsAndIsReported()
    {
        NumberField field(0);
        field.setRange(0, 600);
        QSignalSpy enter(&field, &EntryField::enterPressed);
        QSignalSpy rejected(&field, &NumberField::outOfRange);
        field.setText(QStringLiteral("601"));
        QTest::keyClick(&field, Qt::Key_Return);
        QCOMPARE(enter.count(), 1);
        QCOMPARE(rejected.count(), 1);
    }

    void dateFieldRejections_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("rejection");  // -1 none, 0 invalid, 1 out of range
        QTest::newRow("in-range") << "15/03/2018" << -1;
        QTest::newRow("first-day") << "01/03/2018" << -1;
        QTest::newRow("before-start") << "28/02/2018" << 1;
        QTest::newRow("after-end") << "01/03/2019" << 1;
        QTest::newRow("unreadable") << "31/02/2018" << 0;
        QTest::newRow("letters") << "soon" << 0;
        QTest::newRow("empty") << "" << -1;
    }
    void dateFieldRejections()
    {
        QFETCH(QString, typed);
        QFETCH(int, rejection);
        DateField field;
        field.setLowerDate(43160);
        field.setUpperDate(43524);
        field.setDate(43190);
        QSignalSpy rejected(&field, &DateField::rejected);
        field.setText(typed);
        field.commit();
        if (rejection < 0) {
            QCOMPARE(rejected.count(), 0);
            return;
        }
        QCOMPARE(rejected.count(), 1);
        QCOMPARE(static_cast<int>(rejected.first().first().value<DateField::Rejection>()), rejection);
        QCOMPARE(field.text(), QStringLiteral("31/03/2018"));
        QCOMPARE(field.date().value_or(0), 43190);
    }

    void maskedDateStartsEmpty()
    {
        DateField field;
        field.setMasked(true);
        QVERIFY(field.isEmpty());
        QVERIFY(!field.date());
        QSignalSpy changed(&field, &DateField::dateChanged);
        field.setText(QStringLiteral("01032018"));
        QCOMPARE(field.date().value_or(0), 43160);
        QCOMPARE(changed.count(), 1);
        field.commit();
        QVERIFY(!field.isEmpty());
    }

    void textFieldKeepsItsMaximum()
    {
        TextField name(50);
        QTest::keyClicks(&name, QString(60, QLatin1Char('x')));
        QCOMPARE(name.text().size(), 50);
    }

    void printChoicePanelHidesBeforeReporting()
    {
        QWidget window;
        window.resize(400, 300);
        PrintChoicePanel panel(&window, QStringLiteral("C&ancel"));
        QCOMPARE(panel.objectName(), QStringLiteral("fraPrint"));
        QCOMPARE(panel.viewButton()->text(), QStringLiteral("&View/Export report"));
        QCOMPARE(panel.printButton()->text(), QStringLiteral("P&rint directly to printer"));
        QCOMPARE(panel.cancelButton()->text(), QStringLiteral("C&ancel"));
        window.show();
        bool hiddenWhenChosen = false;
        connect(&panel, &PrintChoicePanel::viewChosen, this, [&] { hiddenWhenChosen = panel.isHidden(); });
        QSignalSpy printed(&panel, &PrintChoicePanel::printChosen);
        QSignalSpy cancelled(&panel, &PrintChoicePanel::cancelled);
        panel.showInFront();
        QVERIFY(panel.isVisible());
        panel.viewButton()->click();
        QVERIFY(hiddenWhenChosen);
        panel.showInFront();
        panel.printButton()->click();
        QCOMPARE(printed.count(), 1);
        panel.showInFront();
        panel.cancelButton()->click();
        QCOMPARE(cancelled.count(), 1);
        QVERIFY(panel.isHidden());
    }
};

KESTREL_TEST_MAIN(TestFields)
#include "test_fields.moc"
