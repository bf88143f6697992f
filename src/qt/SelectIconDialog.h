#pragma once
// Select Icon: the icon program's pictures in pages of 70 cells, picked by a
// click. The paging, hit-testing and the chosen code are SelectIconPage's;
// this dialog loads the bitmaps of the page in view, draws and forwards.
// The drawing area and the cells are in pixels, as the bitmaps are.
#include <QDialog>
#include <QImage>
#include <map>
#include <optional>
#include <string>

#include "ui/DialogData.h"
#include "ui/bank/SelectIconPage.h"

class QLineEdit;
class QPushButton;
class QScrollBar;

namespace kalivo {

class DialogUnits;
class UserInterface;

class SelectIconDialog : public QDialog {
    Q_OBJECT

public:
    // ui tells the person about a bitmap that cannot be loaded.
    SelectIconDialog(const SelectIconRequest& request, UserInterface& ui, QWidget* parent);
    // The chosen icon's three-character code on OK with a selection; nothing otherwise.
    static std::optional<std::string> Run(const SelectIconRequest& request, UserInterface& ui, QWidget* parent);

    const SelectIconPage& Page() const { return page_; }
    QLineEdit* FileEdit() const { return fileEdit_; }
    QScrollBar* ScrollBar() const { return scrollBar_; }
    QPushButton* OkButton() const { return ok_; }
    // Icons whose bitmaps are held now (those of the page in view).
    int LoadedBitmaps() const { return static_cast<int>(bitmaps_.size()); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void PlaceControls(const DialogUnits& units);
    void LoadPage();
    void OnScrollAction(int action);
    void ShowSelection();

    SelectIconPage page_;
    IconSettings icons_;
    UserInterface& ui_;
    // Icon number -> its bitmap, for the icons of the page in view.
    std::map<int, QImage> bitmaps_;
    QLineEdit* fileEdit_;
    QScrollBar* scrollBar_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace kalivo
