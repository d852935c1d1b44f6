#include "windowplacement.h"

#include <QDialog>
#include <QFrame>
#include <QPushButton>
#include <QScreen>

void centreOnScreen(QWidget *window)
{
    if (const QScreen *screen = window->screen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

QPushButton *addCloseStrip(QDialog *dialog, int top, int width)
{
    auto *strip = new QFrame(dialog);
    strip->setFrameStyle(QFrame::Panel | QFrame::Raised);
    strip->setGeometry(0, top, width, 33);
    auto *close = new QPushButton(QStringLiteral("&Luk"), strip);
    close->setObjectName(QStringLiteral("BitBtn1"));
    close->setGeometry(width - 91, 4, 83, 25);
    close->setAutoDefault(false);
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::close);
    return close;
}
