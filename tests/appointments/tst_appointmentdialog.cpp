#include "appointments/appointmentdialog.h"
#include "appointments/colourpicker.h"
#include "testsupport/messagerecorder.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>

namespace {

const QString InvalidTime = QStringLiteral("Fejl i fra-klokken eller til-klokken !");

template<typename T> T *control(QWidget &dialog, const char *name)
{
    T *found = dialog.findChild<T *>(QLatin1String(name));
    if (!found)
        qWarning("no control %s", name);
    return found;
}

QLineEdit *timeEdit(QWidget &dialog, const char *name)
{
    return control<QComboBox>(dialog, name)->lineEdit();
}

// The named control that holds the keyboard focus, or "" when none does.
QString focusedControl(QWidget &dialog)
{
    static const QStringList names { "AftaleDato", "KLfra", "KLTil", "AftaleOverskrift", "AftaleTekst",
        "AftaleFarve", "DbMekLookUp", "Button1", "Button2", "Button3" };
    for (QWidget *w = QApplication::focusWidget(); w && w != &dialog; w = w->parentWidget()) {
        if (names.contains(w->objectName()))
            return w->objectName();
    }
    return {};
}

void showAndActivate(QDialog &dialog)
{
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
}

} // namespace

class TestAppointmentDialog : public QObject
{
    Q_OBJECT

private slots:
    void controlsHaveTheirNamesKindsAndPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QRect>("place");
        QTest::newRow("Label1") << "Label1"
                                << "QLabel"
                                << "Panel2" << QRect(8, 4, 33, 16);
        QTest::newRow("AftaleDato") << "AftaleDato"
                                    << "QDateEdit"
                                    << "Panel2" << QRect(8, 20, 209, 24);
        QTest::newRow("Label2") << "Label2"
                                << "QLabel"
                                << "Panel2" << QRect(224, 4, 29, 16);
        QTest::newRow("KLfra") << "KLfra"
                               << "QComboBox"
                               << "Panel2" << QRect(224, 20, 129, 24);
        QTest::newRow("Label3") << "Label3"
                                << "QLabel"
                                << "Panel2" << QRect(360, 4, 21, 16);
        QTest::newRow("KLTil") << "KLTil"
                               << "QComboBox"
                               << "Panel2" << QRect(360, 20, 129, 24);
        QTest::newRow("Label4") << "Label4"
                                << "QLabel"
                                << "Panel2" << QRect(8, 52, 72, 16);
        QTest::newRow("AftaleOverskrift") << "AftaleOverskrift"
                                          << "QLineEdit"
                                          << "Panel2" << QRect(8, 68, 479, 24);
        QTest::newRow("Label5") << "Label5"
                                << "QLabel"
                                << "Panel2" << QRect(8, 100, 39, 16);
        QTest::newRow("AftaleTekst") << "AftaleTekst"
                                     << "QPlainTextEdit"
                                     << "Panel2" << QRect(8, 116, 665, 169);
        QTest::newRow("Label6") << "Label6"
                                << "QLabel"
                                << "Panel2" << QRect(496, 4, 47, 16);
        QTest::newRow("AftaleFarve") << "AftaleFarve"
                                     << "ColourPicker"
                                     << "Panel2" << QRect(496, 20, 177, 22);
        QTest::newRow("Label7") << "Label7"
                                << "QLabel"
                                << "Panel2" << QRect(496, 52, 80, 16);
        QTest::newRow("DbMekLookUp") << "DbMekLookUp"
                                     << "QComboBox"
                                     << "Panel2" << QRect(496, 67, 177, 24);
        QTest::newRow("Button1") << "Button1"
                                 << "QPushButton"
                                 << "Panel1" << QRect(592, 6, 83, 25);
        QTest::newRow("Button2") << "Button2"
                                 << "QPushButton"
                                 << "Panel1" << QRect(505, 6, 83, 25);
        QTest::newRow("Button3") << "Button3"
                                 << "QPushButton"
                                 << "Panel1" << QRect(416, 6, 83, 25);
    }
    void controlsHaveTheirNamesKindsAndPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QString, panel);
        QFETCH(QRect, place);
        TfrmAftaleTekst dialog(RegionalSettings::danish());
        QWidget *w = dialog.findChild<QWidget *>(name);
        QVERIFY(w);
        QVERIFY(w->inherits(kind.toLatin1().constData()));
        QCOMPARE(w->parentWidget()->objectName(), panel);
        QCOMPARE(w->geometry(), place);
        if (kind == QLatin1String("QLabel"))
            QVERIFY(w->font().bold());
    }

    void windowHasItsCaptionPanelsAndButtons()
    {
        TfrmAftaleTekst dialog(RegionalSettings::danish());
        QCOMPARE(dialog.objectName(), QStringLiteral("frmAftaleTekst"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Mirvo"));
        QCOMPARE(control<QWidget>(dialog, "Panel3")->height(), 41);
        QCOMPARE(control<QWidget>(dialog, "Panel1")->height(), 38);
        QCOMPARE(control<QWidget>(dialog, "Panel2")->font().pixelSize(), 13);
        QCOMPARE(control<QPushButton>(dialog, "Button1")->text(), QStringLiteral("&Ok"));
        QCOMPARE(control<QPushButton>(dialog, "Button2")->text(), QStringLiteral("&Fortryd"));
        QCOMPARE(control<QPushButton>(dialog, "Button3")->text(), QStringLiteral("&Udskriv"));
        for (QPushButton *b : dialog.findChildren<QPushButton *>()) {
            QVERIFY(!b->autoDefault());
            QVERIFY(!b->isDefault());
            QVERIFY(b->font().bold());
        }
        auto *date = control<QDateEdit>(dialog, "AftaleDato");
        QVERIFY(date->calendarPopup());
        dialog.setDate(QDate(2024, 3, 5));
        QCOMPARE(date->text(), QStringLiteral("5. marts 2024"));
        QVERIFY(control<QComboBox>(dialog, "KLfra")->isEditable());
        QVERIFY(control<QComboBox>(dialog, "KLTil")->isEditable());
        QVERIFY(!control<QComboBox>(dialog, "DbMekLookUp")->isEditable());
    }

    void tabVisitsTheFieldsThenTheButtons()
    {
        TfrmAftaleTekst dialog(RegionalSettings::danish());
        showAndActivate(dialog);
        control<QWidget>(dialog, "AftaleDato")->setFocus();
        QStringList visited { focusedControl(dialog) };
        for (int i = 0; i < 9; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.append(focusedControl(dialog));
        }
        QCOMPARE(visited,
            QStringList({ "AftaleDato", "KLfra", "KLTil", "AftaleOverskrift", "AftaleTekst", "AftaleFarve",
                "DbMekLookUp", "Button1", "Button2", "Button3" }));
    }

    void okChecksBothTimes_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("valid") << "9"
                               << "10:30" << true;
        QTest::newRow("end before start") << "10:00"
                                          << "09:00" << true;
        QTest::newRow("invalid start") << "9:60"
                                       << "10:00" << false;
        QTest::newRow("invalid end") << "09:00"
                                     << "24:00" << false;
        QTest::newRow("both invalid") << "930"
                                      << "x" << false;
        QTest::newRow("empty start") << ""
                                     << "10:00" << false;
    }
    void okChecksBothTimes()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(bool, accepted);
        MessageRecorder recorder;
        TfrmAftaleTekst dialog(RegionalSettings::danish());
        dialog.setStartText(start);
        dialog.setEndText(end);
        dialog.setHeading(QStringLiteral("Eftersyn"));
        dialog.show();

        QTest::mouseClick(control<QPushButton>(dialog, "Button1"), Qt::LeftButton);

        QCOMPARE(dialog.isVisible(), !accepted);
        QCOMPARE(recorder.texts(), accepted ? QStringList() : QStringList { InvalidTime });
        if (accepted)
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.startText(), start);
        QCOMPARE(dialog.endText(), end);
        QCOMPARE(dialog.heading(), QStringLiteral("Eftersyn"));
    }

    void escapeAndEnterDoNotClose_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::newRow("Esc in the heading") << "AftaleOverskrift" << int(Qt::Key_Escape);
        QTest::newRow("Enter in the heading") << "AftaleOverskrift" << int(Qt::Key_Return);
        QTest::newRow("Esc in the start time") << "KLfra" << int(Qt::Key_Escape);
        QTest::newRow("Enter in the start time") << "KLfra" << int(Qt::Key_Enter);
        QTest::newRow("Enter on the OK button") << "Button1" << int(Qt::Key_Return);
        QTest::newRow("Esc on the cancel button") << "Button2" << int(Qt::Key_Escape);
    }
    void escapeAndEnterDoNotClose()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        MessageRecorder recorder;
        TfrmAftaleTekst dialog(RegionalSettings::danish());
        dialog.setStartText(QStringLiteral("9"));
        dialog.setEndText(QStringLiteral("10"));
        QSignalSpy finished(&dialog, &QDialog::finished);
        showAndActivate(dialog);
        dialog.findChild<QWidget *>(focus)->setFocus();

        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));

        QVERIFY(dialog.isVisible());
        QCOMPARE(finished.count(), 0);
        QVERIFY(recorder.shown.isEmpty());
    }

    void cancelAndCloseBoxGiveCancel()
    {
        TfrmAftaleTekst dialog(RegionalSettings::danish());
        dialog.setStartText(QStringLiteral("9"));
        dialog.setEndText(QStringLiteral("10"));
        dialog.show();
        QTest::mouseClick(control<QPushButton>(dialog, "Button2"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));

        dialog.show();
        dialog.setResult(QDialog::Accepted);
        QVERIFY(dialog.close());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void fieldsKeepTheirContentsBetweenShowings()
    {
        QStandardItemModel resources;
        resources.appendRow({ new QStandardItem("System"), new QStandardItem("0") });
        resources.appendRow({ new QStandardItem("Anna"), new QStandardItem("1") });
        TfrmAftaleTekst dialog(RegionalSettings::danish());
        dialog.setResourceModel(&resources);
        dialog.setTimeChoices({ "08:00:00", "08:30:00" });
        dialog.setDate(QDate(2024, 3, 5));
        dialog.setStartText(QStringLiteral("8:15"));
        dialog.setEndText(QStringLiteral("9"));
        dialog.setHeading(QStringLiteral("Syn"));
        dialog.setTextLines({ "a", "b" });
        dialog.setColor(255);
        dialog.setResourceValue(QStringLiteral("1"));

        dialog.show();
        QTest::mouseClick(control<QPushButton>(dialog, "Button1"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        dialog.show();

        QCOMPARE(dialog.date(), QDate(2024, 3, 5));
        QCOMPARE(dialog.startText(), QStringLiteral("8:15"));
        QCOMPARE(dialog.endText(), QStringLiteral("9"));
        QCOMPARE(dialog.heading(), QStringLiteral("Syn"));
        QCOMPARE(dialog.text(), QStringLiteral("a\r\nb\r\n"));
        QCOMPARE(dialog.color(), 255);
        QCOMPARE(dialog.resourceValue(), QStringLiteral("1"));
    }

    void timeChoicesFillBothListsAndKeepTheTypedTexts()
    {
        TfrmAftaleTekst dialog(RegionalSettings::danish());
        dialog.setStartText(QStringLiteral("7"));
        dialog.setEndText(QStringLiteral("8"));
        dialog.setTimeChoices({ "08:00:00", "08:30:00", "09:00:00" });
        for (const char *name : { "KLfra", "KLTil" }) {
            auto *combo = control<QComboBox>(dialog, name);
            QCOMPARE(combo->count(), 3);
            QCOMPARE(combo->itemText(2), QStringLiteral("09:00:00"));
        }
        QCOMPARE(dialog.startText(), QStringLiteral("7"));
        QCOMPARE(dialog.endText(), QStringLiteral("8"));
        dialog.setTimeChoices({ "10:00:00" });
        QCOMPARE(control<QComboBox>(dialog, "KLTil")->count(), 1);
    }

    void timeFieldsSwallowOtherCharacters_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("start, letters and spaces") << "KLfra" << QChar(u':') << "9a :3 0x"
                                                   << "9:30";
        QTest::newRow("end, letters and spaces") << "KLTil" << QChar(u':') << "1 0:0q0"
                                                 << "10:00";
        QTest::newRow("dot separator") << "KLfra" << QChar(u'.') << "9:.3,0"
                                       << "9.30";
    }
    void timeFieldsSwallowOtherCharacters()
    {
        QFETCH(QString, field);
        QFETCH(QChar, separator);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        RegionalSettings regional = RegionalSettings::danish();
        regional.timeSeparator = separator;
        TfrmAftaleTekst dialog(regional);
        showAndActivate(dialog);
        QLineEdit *edit = timeEdit(dialog, field.toLatin1().constData());
        edit->setFocus();
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), expected);
    }

    void keysWithoutCharactersAndPastedTextPass()
    {
        TfrmAftaleTekst dialog(RegionalSettings::danish());
        showAndActivate(dialog);
        QLineEdit *edit = timeEdit(dialog, "KLTil");
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("1230"));
        QTest::keyClick(edit, Qt::Key_Left);
        QTest::keyClick(edit, Qt::Key_Left);
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("10"));

        edit->insert(QStringLiteral(" kl. 9 "));
        QCOMPARE(dialog.endText(), QStringLiteral("1 kl. 9 0"));
    }

    void startListDropsDownWhileTypingAndClosesOnPick()
    {
        TfrmAftaleTekst dialog(RegionalSettings::danish());
        dialog.setTimeChoices({ "08:00:00", "08:30:00", "09:00:00" });
        showAndActivate(dialog);
        QCompleter *dropDown = control<QComboBox>(dialog, "KLfra")->completer();
        QVERIFY(dropDown);
        QVERIFY(!control<QComboBox>(dialog, "KLTil")->completer());

        QLineEdit *edit = timeEdit(dialog, "KLfra");
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("8"));
        QTRY_VERIFY(dropDown->popup()->isVisible());
        QCOMPARE(dropDown->popup()->model()->rowCount(), 3);
        QCOMPARE(edit->text(), QStringLiteral("8"));
        // While the list is down, keys reach the field through it and are filtered all the same.
        QTest::keyClicks(dropDown->popup(), QStringLiteral("x:3 0"));
        QCOMPARE(edit->text(), QStringLiteral("8:30"));
        QVERIFY(dropDown->popup()->isVisible());

        QAbstractItemView *list = dropDown->popup();
        const QModelIndex second = list->model()->index(1, 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(second).center());
        QTRY_VERIFY(!list->isVisible());
        QCOMPARE(dialog.startText(), QStringLiteral("08:30:00"));
    }

    void colourPickerListsTheTwentyColours()
    {
        TfrmAftaleTekst dialog(RegionalSettings::danish());
        auto *picker = control<ColourPicker>(dialog, "AftaleFarve");
        QCOMPARE(picker->count(), 20);
        QCOMPARE(picker->itemText(0), QStringLiteral("Black"));
        QCOMPARE(picker->itemText(16), QStringLiteral("Money Green"));
        QCOMPARE(picker->itemText(19), QStringLiteral("Medium Gray"));
        QCOMPARE(picker->itemData(19).toInt(), 10789024);
        QCOMPARE(dialog.color(), 15780518);
        QCOMPARE(picker->currentText(), QStringLiteral("Sky Blue"));
        // Red sits in the lowest byte.
        QCOMPARE(ColourPicker::toQColor(255), QColor(255, 0, 0));
        QCOMPARE(ColourPicker::toQColor(16711680), QColor(0, 0, 255));
        QCOMPARE(ColourPicker::toQColor(15780518), QColor(0xA6, 0xCA, 0xF0));
        const QImage swatch = picker->itemIcon(9).pixmap(12, 12).toImage();
        QCOMPARE(picker->itemText(9), QStringLiteral("Red"));
        QCOMPARE(swatch.pixelColor(6, 6), QColor(255, 0, 0));
    }

    void colourOutsideTheListReadsAsNone_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("listed") << 8421504 << 8421504;
        QTest::newRow("not listed") << 12345 << -16777216;
        QTest::newRow("none") << -16777216 << -16777216;
    }
    void colourOutsideTheListReadsAsNone()
    {
        QFETCH(int, value);
        QFETCH(int, expected);
        TfrmAftaleTekst dialog(RegionalSettings::danish());
        dialog.setColor(value);
        QCOMPARE(dialog.color(), expected);
        QCOMPARE(control<QComboBox>(dialog, "AftaleFarve")->currentIndex() < 0, expected == -16777216);
    }

    void textEndsEveryLineWithCrLf_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("one line") << "a"
                                  << "a\r\n";
        QTest::newRow("empty line inside") << "a\n\nb"
                                           << "a\r\n\r\nb\r\n";
        QTest::newRow("final line break") << "a\n"
                                          << "a\r\n";
        QTest::newRow("only a line break") << "\n"
                                           << "\r\n";
    }
    void textEndsEveryLineWithCrLf()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        TfrmAftaleTekst dialog(RegionalSettings::danish());
        control<QPlainTextEdit>(dialog, "AftaleTekst")->setPlainText(typed);
        QCOMPARE(dialog.text(), expected);
        dialog.setTextLines(dialog.textLines());
        QCOMPARE(dialog.text(), expected);
    }

    void resourceValueIsTheChosenNumber()
    {
        QStandardItemModel resources;
        resources.appendRow({ new QStandardItem("System"), new QStandardItem("0") });
        resources.appendRow({ new QStandardItem("Anna"), new QStandardItem("1") });
        resources.appendRow({ new QStandardItem("Bo"), new QStandardItem("2") });
        TfrmAftaleTekst dialog(RegionalSettings::danish());
        dialog.setResourceModel(&resources);
        auto *lookup = control<QComboBox>(dialog, "DbMekLookUp");
        QCOMPARE(lookup->count(), 3);
        QCOMPARE(dialog.resourceValue(), QString());

        dialog.setResourceValue(QStringLiteral("2"));
        QCOMPARE(lookup->currentText(), QStringLiteral("Bo"));
        QCOMPARE(dialog.resourceValue(), QStringLiteral("2"));

        showAndActivate(dialog);
        lookup->setFocus();
        QTest::keyClick(lookup, Qt::Key_Delete);
        QTest::keyClick(lookup, Qt::Key_Backspace);
        QCOMPARE(dialog.resourceValue(), QStringLiteral("2"));

        dialog.setResourceValue(QStringLiteral("7"));
        QCOMPARE(dialog.resourceValue(), QString());
        QCOMPARE(lookup->currentIndex(), -1);
    }
};

QTEST_MAIN(TestAppointmentDialog)
#include "tst_appointmentdialog.moc"
