#include "tfrmaftaler.h"

#include "data/appointmentlistmodel.h"
#include "platform/messages.h"
#include "platform/windowplacement.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Display widths of the columns, in characters.
constexpr int columnCharacters[AppointmentListModel::ColumnCount] = { 50, 18, 18, 50, 50, 10, 10, 5, 10 };

QFont pixelFont(const QString &family, int pixels, bool bold = false)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

TfrmAftaler::TfrmAftaler(QSqlDatabase db, const RegionalSettings &regional, QWidget *parent)
    : QDialog(parent)
    , m_model(new AppointmentListModel(db, regional, this))
{
    setObjectName(QStringLiteral("frmAftaler"));
    setWindowTitle(QStringLiteral("Aftaler"));
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    resize(642, 348);

    auto *Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    wwDBGrid1 = new QTableView(Panel2);
    wwDBGrid1->setObjectName(QStringLiteral("wwDBGrid1"));
    wwDBGrid1->setModel(m_model);
    wwDBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    wwDBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    wwDBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    wwDBGrid1->verticalHeader()->hide();
    wwDBGrid1->verticalHeader()->setDefaultSectionSize(QFontMetrics(wwDBGrid1->font()).height() + 4);
    wwDBGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    wwDBGrid1->setWordWrap(false);
    QHeaderView *titles = wwDBGrid1->horizontalHeader();
    titles->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    titles->setSectionsClickable(false);
    const int charWidth = QFontMetrics(wwDBGrid1->font()).horizontalAdvance(QLatin1Char('0'));
    for (int column = 0; column < AppointmentListModel::ColumnCount; ++column)
        wwDBGrid1->setColumnWidth(column, columnCharacters[column] * charWidth + 4);
    auto *gridLayout = new QVBoxLayout(Panel2);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    gridLayout->addWidget(wwDBGrid1);

    auto *Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(41);
    BitBtn1 = new QPushButton(QStringLiteral("&Luk"), Panel1);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(552, 8, 75, 25);
    BitBtn2 = new QPushButton(QStringLiteral("&Slet"), Panel1);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(472, 8, 75, 25);
    for (QPushButton *b : { BitBtn1, BitBtn2 }) {
        b->setFont(pixelFont(QStringLiteral("Arial"), 13, true));
        b->setAutoDefault(false);
    }
    setTabOrder(BitBtn1, BitBtn2);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel2, 1);
    layout->addWidget(Panel1);

    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &TfrmAftaler::BitBtn2Click);
    connect(m_model, &AppointmentListModel::fetchFailed, this,
        [](const QString &text) { Messages::showError(text); });
}

void TfrmAftaler::open(int minMek, int maxMek)
{
    m_model->reopen(minMek, maxMek);
    if (m_model->rowCount() > 0)
        wwDBGrid1->setCurrentIndex(m_model->index(0, 0));
}

void TfrmAftaler::BitBtn2Click()
{
    const int row = wwDBGrid1->currentIndex().row();
    if (row < 0 || row >= m_model->rowCount())
        return;
    Messages::guarded([&] { m_model->removeRow(row); });
    // The highlight stays on the row that took the deleted one's place, else the one before.
    const int rows = m_model->rowCount();
    if (rows > 0)
        wwDBGrid1->setCurrentIndex(m_model->index(qMin(row, rows - 1), 0));
}

void TfrmAftaler::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnScreen(this);
}

void TfrmAftaler::done(int result)
{
    QDialog::done(result);
    emit FormClose();
}
