#include "tfrmressourcer.h"

#include "admin/htmlbutton.h"
#include "admin/resourcename.h"
#include "admin/resourceregistertarget.h"
#include "data/resourcequery.h"
#include "data/resourcestore.h"
#include "platform/messages.h"
#include "platform/windowplacement.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTableView>
#include <algorithm>

namespace {

QFont arial(int pixels, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

HTMLButton *commandButton(QWidget *parent, const QString &name, const QString &caption, const QRect &place)
{
    auto *button = new HTMLButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(place);
    // Enter in the name field must not run a command.
    button->setAutoDefault(false);
    return button;
}

} // namespace

TfrmRessourcer::TfrmRessourcer(
    ResourceQuery *qMek, ResourceStore *store, ResourceRegisterTarget *target, QWidget *parent)
    : QDialog(parent)
    , m_qMek(qMek)
    , m_store(store)
    , m_target(target)
{
    setObjectName(QStringLiteral("frmRessourcer"));
    setWindowTitle(QStringLiteral("Ressourcer"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    // The client area of a 497 x 284 window with its frame and title bar.
    setFixedSize(489, 250);
    buildControls();
}

void TfrmRessourcer::buildControls()
{
    wwDBGrid2 = new QTableView(this);
    wwDBGrid2->setObjectName(QStringLiteral("wwDBGrid2"));
    wwDBGrid2->setGeometry(0, 0, 489, 129);
    wwDBGrid2->setFont(arial(13, false));
    wwDBGrid2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    wwDBGrid2->setSelectionBehavior(QAbstractItemView::SelectRows);
    wwDBGrid2->setSelectionMode(QAbstractItemView::SingleSelection);
    wwDBGrid2->setShowGrid(true);
    wwDBGrid2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    wwDBGrid2->setWordWrap(false);
    wwDBGrid2->verticalHeader()->hide();
    wwDBGrid2->verticalHeader()->setDefaultSectionSize(QFontMetrics(wwDBGrid2->font()).height() + 4);
    QHeaderView *titles = wwDBGrid2->horizontalHeader();
    titles->setFont(arial(13, true));
    titles->setStretchLastSection(true);
    titles->setHighlightSections(false);
    titles->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    titles->setStyleSheet(QStringLiteral("QHeaderView::section { background-color: white; "
                                         "border: none; border-right: 1px solid silver; "
                                         "border-bottom: 1px solid silver; padding-left: 2px; }"));
    // The selected row stays marked while the name field has the focus.
    QPalette palette = wwDBGrid2->palette();
    for (QPalette::ColorRole role : { QPalette::Highlight, QPalette::HighlightedText })
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    wwDBGrid2->setPalette(palette);
    if (m_qMek) {
        wwDBGrid2->setModel(m_qMek);
        for (int column = 0; column < m_qMek->columnCount(); ++column)
            wwDBGrid2->setColumnHidden(column, column != ResourceQuery::NameColumn);
        // Connected after the view's own reset handling, so the view is reset when this runs.
        connect(m_qMek, &QAbstractItemModel::modelAboutToBeReset, this, &TfrmRessourcer::rememberSelection);
        connect(m_qMek, &QAbstractItemModel::modelReset, this, &TfrmRessourcer::restoreSelection);
        restoreSelection();
    }

    Label4 = new QLabel(QStringLiteral("Navn på ressource"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setFont(arial(11, true));
    Label4->setGeometry(8, 141, 130, 16);

    eInsertMekNavn = new QLineEdit(this);
    eInsertMekNavn->setObjectName(QStringLiteral("eInsertMekNavn"));
    eInsertMekNavn->setGeometry(144, 138, 337, 22);
    Label4->setBuddy(eInsertMekNavn);

    // Rename, create, delete from left to right under the name field.
    HTMLButton2 = commandButton(this, QStringLiteral("HTMLButton2"),
        QStringLiteral("<FONT size=\"10\"><P align=\"left\">Om&døb system ressource</P></FONT>"),
        { 8, 172, 177, 33 });
    bOpretMek = commandButton(this, QStringLiteral("bOpretMek"),
        QStringLiteral("<FONT size=\"10\">&Opret</FONT>"), { 193, 172, 140, 33 });
    HTMLButton1 = commandButton(this, QStringLiteral("HTMLButton1"),
        QStringLiteral("<FONT size=\"10\">&Slet</FONT>"), { 341, 172, 140, 33 });
    connect(HTMLButton2, &QPushButton::clicked, this, &TfrmRessourcer::HTMLButton2Click);
    connect(bOpretMek, &QPushButton::clicked, this, &TfrmRessourcer::bOpretMekClick);
    connect(HTMLButton1, &QPushButton::clicked, this, &TfrmRessourcer::HTMLButton1Click);

    BitBtn1 = addCloseStrip(this, 217, 489);
}

void TfrmRessourcer::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    centreOnScreen(this);
}

int TfrmRessourcer::selectedMekKey() const
{
    if (!m_qMek || !wwDBGrid2->selectionModel())
        return 0;
    const QModelIndexList rows = wwDBGrid2->selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : m_qMek->mekKeyAt(rows.first().row());
}

void TfrmRessourcer::rememberSelection()
{
    const QModelIndexList rows
        = wwDBGrid2->selectionModel() ? wwDBGrid2->selectionModel()->selectedRows() : QModelIndexList();
    m_selectedRow = rows.isEmpty() ? -1 : rows.first().row();
    m_selectedMekKey = m_selectedRow < 0 ? -1 : m_qMek->mekKeyAt(m_selectedRow);
}

void TfrmRessourcer::restoreSelection()
{
    // The same resource when it is still there, else the row nearest to where the selection was.
    int row = m_selectedMekKey < 0 ? -1 : m_qMek->rowOfMekKey(m_selectedMekKey);
    if (row < 0)
        row = std::clamp(m_selectedRow, 0, std::max(0, m_qMek->count() - 1));
    selectRow(row);
}

void TfrmRessourcer::selectRow(int row)
{
    if (!m_qMek || row < 0 || row >= m_qMek->count())
        return;
    const QModelIndex index = m_qMek->index(row, ResourceQuery::NameColumn);
    wwDBGrid2->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    wwDBGrid2->scrollTo(index);
}

void TfrmRessourcer::bOpretMekClick()
{
    const QString name = trimmedResourceName(eInsertMekNavn->text());
    if (name.isEmpty() || !m_store)
        return;
    Messages::guarded([this, &name] {
        const int number = m_store->insertResource(name);
        m_qMek->reopen();
        selectRow(m_qMek->rowOfMekKey(number));
    });
}

void TfrmRessourcer::HTMLButton1Click()
{
    const int n = selectedMekKey();
    // Resource 0 is the System resource, which stays.
    if (n == 0 || !m_store)
        return;
    Messages::guarded([this, n] {
        m_store->deleteResource(n);
        if (m_target)
            m_target->resourceDeleted();
    });
}

void TfrmRessourcer::HTMLButton2Click()
{
    const QString name = trimmedResourceName(eInsertMekNavn->text());
    if (name.isEmpty() || !m_store)
        return;
    Messages::guarded([this, &name] {
        m_store->renameSystemResource(name);
        if (m_target)
            m_target->systemResourceRenamed();
    });
}
