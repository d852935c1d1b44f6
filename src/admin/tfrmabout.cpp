#include "tfrmabout.h"

#include "platform/windowplacement.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QString versionLine(const std::optional<QString> &fileVersion)
{
    const QString prefix = QStringLiteral("Program Version: ");
    if (!fileVersion)
        return prefix + QStringLiteral("< No Data Available >");
    if (fileVersion->isEmpty())
        return prefix + QStringLiteral("< No Version Info >");
    return prefix + *fileVersion;
}

TfrmAbout::TfrmAbout(QWidget *parent, const std::optional<QString> &fileVersion)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString());
    setFixedSize(303, 88);

    auto *heading = new QLabel(QStringLiteral("Planner"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    QFont headingFont(QStringLiteral("Arial"));
    headingFont.setPixelSize(19);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    heading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    auto *version = new QLabel(versionLine(fileVersion), this);
    version->setObjectName(QStringLiteral("VersionLabel1"));
    QFont versionFont(QStringLiteral("Arial"));
    versionFont.setPixelSize(13);
    version->setFont(versionFont);
    version->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);

    auto *ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(0);
    layout->addWidget(heading);
    layout->addWidget(version);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
}

void TfrmAbout::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnScreen(this);
}
