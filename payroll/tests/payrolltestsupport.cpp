#include "payrolltestsupport.h"

#include "common/fields.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QVariant>

namespace kestrel::test {

void writeSettingsDatabase(const QString& path, const PayrollSettings& s)
{
    QFile::remove(path);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("settings-writer"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral(
            "CREATE TABLE Setup (EmployeeUIF DOUBLE, EmployerUIF DOUBLE, UIFLimit DOUBLE, SkillLevy DOUBLE, "
            "TAIncRate8020 DOUBLE, PensionCont DOUBLE, EmployerPenCont DOUBLE, ProvCont DOUBLE, "
            "EmployerProvCont DOUBLE, CompCarFBRate8020 DOUBLE, CompCarMPYesNo BOOLEAN)")));
        q.prepare(QStringLiteral("INSERT INTO Setup VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (double v : {s.EmployeeUIF, s.EmployerUIF, s.UIFLimit, s.SkillLevy, s.TAIncRate8020, s.PensionCont,
                         s.EmployerPenCont, s.ProvCont, s.EmployerProvCont, s.CompCarFBRate8020})
            q.addBindValue(v);
        q.addBindValue(s.CompCarMPYesNo ? 1 : 0);
        QVERIFY(q.exec());
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("settings-writer"));
}

void typeInto(QWidget* window, const char* field, const QString& text)
{
    auto* edit = window->findChild<QLineEdit*>(QString::fromLatin1(field));
    QVERIFY2(edit, field);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    // Leaving the field runs its checks (the focus itself does not move in a hidden window).
    if (auto* entry = qobject_cast<EntryField*>(edit))
        entry->commit();
}

QString fieldText(QWidget* window, const char* field)
{
    auto* edit = window->findChild<QLineEdit*>(QString::fromLatin1(field));
    return edit ? edit->text() : QStringLiteral("<no field %1>").arg(QString::fromLatin1(field));
}

void click(QWidget* window, const char* button)
{
    auto* b = window->findChild<QAbstractButton*>(QString::fromLatin1(button));
    QVERIFY2(b, button);
    QVERIFY2(b->isEnabled(), button);
    QVERIFY2(b->isVisible(), button);
    QTest::mouseClick(b, Qt::LeftButton);
}

void grabForReview(QWidget* widget, const QString& name)
{
    const QString dir = qEnvironmentVariable("KESTREL_GRAB_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    widget->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

}  // namespace kestrel::test
