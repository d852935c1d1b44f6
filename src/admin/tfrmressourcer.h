#pragma once

#include <QDialog>

class HTMLButton;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class ResourceQuery;
class ResourceRegisterTarget;
class ResourceStore;

// The resource register: the list of resources over the main window's qMek, and the commands
// that create a resource, delete the selected one with the renumbering, and rename the System
// resource. Every command writes at once; closing saves nothing. The name field keeps its text
// from one showing to the next.
class TfrmRessourcer : public QDialog
{
    Q_OBJECT

public:
    TfrmRessourcer(
        ResourceQuery *qMek, ResourceStore *store, ResourceRegisterTarget *target, QWidget *parent = nullptr);

    // The resource number of the selected row; 0 when the list is empty or nothing is selected.
    int selectedMekKey() const;

    void bOpretMekClick();
    void HTMLButton1Click();
    void HTMLButton2Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void rememberSelection();
    void restoreSelection();
    void selectRow(int row);

    ResourceQuery *m_qMek = nullptr;
    ResourceStore *m_store = nullptr;
    ResourceRegisterTarget *m_target = nullptr;
    // The selection as it was before qMek was last re-read.
    int m_selectedMekKey = -1;
    int m_selectedRow = -1;

    QTableView *wwDBGrid2 = nullptr;
    QLabel *Label4 = nullptr;
    QLineEdit *eInsertMekNavn = nullptr;
    HTMLButton *HTMLButton2 = nullptr; // rename System
    HTMLButton *bOpretMek = nullptr;
    HTMLButton *HTMLButton1 = nullptr; // delete
    QPushButton *BitBtn1 = nullptr;
};
