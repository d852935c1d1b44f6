#pragma once

#include <QWidget>

// The top bar "AdvPanel3": a sky-blue to grey gradient with an HTML banner caption behind the
// buttons. It reports its resizes so the zoom buttons can stay at its right end.
class BannerPanel : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)

public:
    explicit BannerPanel(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

signals:
    void resized(int width);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QString m_caption;
};
