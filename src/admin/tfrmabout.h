#pragma once

#include <QDialog>
#include <optional>

// The version line: the prefix and the file version, or what stands in its place when the
// version cannot be had.
QString versionLine(const std::optional<QString> &fileVersion);

// The version window: "Planner" and the program's version, with an OK button.
class TfrmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmAbout(
        QWidget *parent = nullptr, const std::optional<QString> &fileVersion = QStringLiteral(MIRVO_VERSION));

protected:
    void showEvent(QShowEvent *event) override;
};
