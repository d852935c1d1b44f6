#pragma once

#include <QPushButton>
#include <QString>

// A push button whose caption is written in the windows' small HTML dialect
// (<FONT size="10"><P align="left">Om&døb</P></FONT>). A caption without an alignment of its own
// is centred. The letter after a single '&' is the button's Alt shortcut.
class HTMLButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(QString htmlCaption READ htmlCaption WRITE setHtmlCaption)

public:
    explicit HTMLButton(QWidget *parent = nullptr);
    HTMLButton(const QString &htmlCaption, QWidget *parent = nullptr);

    QString htmlCaption() const { return m_htmlCaption; }
    // Also sets text() to the plain caption, '&' kept, which carries the shortcut.
    void setHtmlCaption(const QString &caption);

    // The caption without tags, entities decoded; a literal ampersand comes out as "&&".
    static QString plainText(const QString &htmlCaption);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_htmlCaption;
};
