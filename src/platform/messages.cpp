#include "messages.h"

#include "errors.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

namespace {

Messages::Recorder &recorder()
{
    static Messages::Recorder r;
    return r;
}

void printOnStandardError(const QString &text, const QString &detail)
{
    QByteArray line = text.toLocal8Bit();
    if (!detail.isEmpty())
        line += ": " + detail.toLocal8Bit();
    std::fprintf(stderr, "%s\n", line.constData());
    std::fflush(stderr);
}

QWidget *activeWindow()
{
    return qobject_cast<QApplication *>(QCoreApplication::instance()) ? QApplication::activeWindow()
                                                                      : nullptr;
}

void present(Messages::Kind kind, const QString &text, const QString &detail)
{
    printOnStandardError(text, detail);
    if (recorder()) {
        recorder()({ kind, text, detail });
        return;
    }
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    QMessageBox box(kind == Messages::Kind::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
        QStringLiteral("Mirvo"), text, QMessageBox::Ok, activeWindow());
    box.setObjectName(QStringLiteral("MessageBox"));
    if (!detail.isEmpty())
        box.setDetailedText(detail);
    box.exec();
}

} // namespace

namespace Messages {

void show(const QString &text, const QString &detail)
{
    present(Kind::Information, text, detail);
}

void showError(const QString &text)
{
    present(Kind::Error, text, {});
}

bool guarded(const std::function<void()> &command)
{
    try {
        command();
        return true;
    } catch (const MirvoError &e) {
        showError(e.message());
    } catch (const std::exception &e) {
        showError(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

void setRecorder(Recorder r)
{
    recorder() = std::move(r);
}

} // namespace Messages
