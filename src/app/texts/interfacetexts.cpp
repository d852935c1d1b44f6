#include "interfacetexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QVariant>
#include <QWidget>

namespace {

using Compose = TextPlacement::Compose;

QList<TextPlacement> buildPlacements()
{
    const QString main = QStringLiteral("frmMirvo");
    const QString list = QStringLiteral("frmAftaler");
    const QString dialog = QStringLiteral("frmAftaleTekst");
    const QString hours = QStringLiteral("frmArbejdstider");
    const QString settings = QStringLiteral("frmIndstillinger");
    const QString reg = QStringLiteral("frmRessourcer");

    QList<TextPlacement> p {
        { 61, main, QStringLiteral("Button1") },
        { 1, main, QStringLiteral("Udskriv1") },
        { 2, main, QStringLiteral("Exit1") },
        { 3, main, QStringLiteral("VisMode1") },
        { 4, main, QStringLiteral("VisMode2") },
        { 5, main, QStringLiteral("VisMode3") },
        { 6, main, QStringLiteral("N1Dag1"), Compose::Numbered, 1 },
    };
    for (int n = 2; n <= 7; ++n)
        p.append({ 7, main, QStringLiteral("N%1Dage1").arg(n), Compose::Numbered, n });
    for (int n = 1; n <= 5; ++n)
        p.append({ 8, main, QStringLiteral("VisRes%1").arg(n), Compose::Numbered, n });
    p += QList<TextPlacement> {
        { 9, main, QStringLiteral("Kartotek1") },
        { 10, main, QStringLiteral("Aftaler1") },
        { 11, main, QStringLiteral("Arbejdstider1") },
        { 12, main, QStringLiteral("Indstillinger1") },
        { 13, main, QStringLiteral("bOpretRet") },
        { 14, main, QStringLiteral("bMultiUser") },
        { 15, main, QStringLiteral("bMekTilbage") },
        { 16, main, QStringLiteral("bMekFrem") },
        { 8, main, QStringLiteral("ResGroup") },
        { 18, list, QStringLiteral("BitBtn1") },
        { 17, list, QStringLiteral("BitBtn2") },
        { 19, dialog, QStringLiteral("Label1") },
        { 20, dialog, QStringLiteral("Label2") },
        { 21, dialog, QStringLiteral("Label3") },
        { 22, dialog, QStringLiteral("Label6") },
        { 23, dialog, QStringLiteral("Label4") },
        { 8, dialog, QStringLiteral("Label7") },
        { 24, dialog, QStringLiteral("Label5") },
        { 1, dialog, QStringLiteral("Button3") },
        { 25, dialog, QStringLiteral("Button2") },
        { 26, dialog, QStringLiteral("Button1") },
        { 28, hours, QStringLiteral("Label1") },
        { 29, hours, QStringLiteral("Label3") },
        { 30, hours, QStringLiteral("Label5") },
        { 31, hours, QStringLiteral("Label7") },
        { 32, hours, QStringLiteral("fff") },
        { 33, hours, QStringLiteral("Label9") },
        { 34, hours, QStringLiteral("Label12") },
        { 27, hours, QStringLiteral("cbUseOpenTimes") },
        { 18, hours, QStringLiteral("BitBtn1") },
        { 35, hours, QString() },
        { 36, settings, QStringLiteral("rTidsEnheder") },
        { 47, settings, QStringLiteral("rTidsEnheder5") },
        { 54, settings, QStringLiteral("rTidsEnheder10") },
        { 55, settings, QStringLiteral("rTidsEnheder15") },
        { 56, settings, QStringLiteral("rTidsEnheder30") },
        { 37, settings, QStringLiteral("GroupBox1") },
        { 41, settings, QStringLiteral("Label1") },
        { 42, settings, QStringLiteral("Label2") },
        { 38, settings, QStringLiteral("GroupBox2") },
        { 39, settings, QStringLiteral("Label3") },
        { 40, settings, QStringLiteral("CbAutoBrede") },
        { 38, settings, QStringLiteral("GroupBox2") },
        { 43, settings, QStringLiteral("Label4") },
        { 44, settings, QStringLiteral("Label5") },
        { 45, settings, QStringLiteral("cbFlerBruger") },
        { 46, settings, QStringLiteral("Label6") },
        { 18, settings, QStringLiteral("BitBtn1") },
        { 48, reg, QStringLiteral("Label4") },
        { 49, reg, QStringLiteral("HTMLButton2"), Compose::HtmlButtonLeft },
        { 50, reg, QStringLiteral("bOpretMek"), Compose::HtmlButton },
        { 17, reg, QStringLiteral("HTMLButton1"), Compose::HtmlButton },
        { 18, reg, QStringLiteral("BitBtn1") },
        { 8, reg, QString() },
        { 60, main, QStringLiteral("AdvPanel3"), Compose::Banner },
    };
    return p;
}

// Sets the caption of whatever kind of control this is.
void setCaption(QObject *control, const QString &caption)
{
    if (control->property("htmlCaption").isValid())
        control->setProperty("htmlCaption", caption);
    else if (control->property("caption").isValid())
        control->setProperty("caption", caption);
    else if (auto *action = qobject_cast<QAction *>(control))
        action->setText(caption);
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setText(caption);
    else if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(caption);
    else if (auto *group = qobject_cast<QGroupBox *>(control))
        group->setTitle(caption);
}

} // namespace

QObject *findControl(QWidget *window, const QString &name)
{
    QList<QObject *> level { window };
    while (!level.isEmpty()) {
        QList<QObject *> next;
        for (QObject *parent : level) {
            for (QObject *child : parent->children()) {
                if (qobject_cast<QDialog *>(child))
                    continue;
                if (child->objectName() == name)
                    return child;
                next.append(child);
            }
        }
        level = next;
    }
    return nullptr;
}

const QList<TextPlacement> &interfaceTextPlacements()
{
    static const QList<TextPlacement> placements = buildPlacements();
    return placements;
}

QString composeCaption(const TextPlacement &placement, const QString &text)
{
    switch (placement.compose) {
    case Compose::Plain:
        return text;
    case Compose::Numbered:
        return QString::number(placement.digit) + QLatin1Char(' ') + text;
    case Compose::HtmlButton:
        return QStringLiteral("<FONT size=\"10\">") + text + QStringLiteral("</FONT>");
    case Compose::HtmlButtonLeft:
        return QStringLiteral("<FONT size=\"10\"><P align=\"left\">") + text + QStringLiteral("</P></FONT>");
    case Compose::Banner:
        return QStringLiteral("<P align=\"center\"><FONT  size=\"18\" face=\"Comic Sans MS\"><B>") + text
            + QStringLiteral("</B></FONT></P>");
    }
    return text;
}

void ApplyTexts(const QList<QWidget *> &windows, const std::function<QString(int)> &lookup)
{
    for (const TextPlacement &placement : interfaceTextPlacements()) {
        QWidget *window = nullptr;
        for (QWidget *w : windows) {
            if (w && w->objectName() == placement.window)
                window = w;
        }
        if (!window)
            continue;
        const QString caption = composeCaption(placement, lookup(placement.number));
        if (placement.control.isEmpty()) {
            window->setWindowTitle(caption);
            continue;
        }
        if (QObject *control = findControl(window, placement.control))
            setCaption(control, caption);
    }
}
