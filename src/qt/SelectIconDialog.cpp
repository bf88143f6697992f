#include "qt/SelectIconDialog.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

#include "qt/DialogUnits.h"
#include "qt/DialogWidgets.h"
#include "qt/IconBitmapLoader.h"
#include "qt/QtText.h"
#include "ui/UserInterface.h"

namespace kalivo {
namespace {

QRect ToQRect(const SelectIconPage::Rect& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// Places a control above the icons: at its template position, but never
// reaching into the drawing area with a larger font.
void PlaceAbove(QWidget& control, int x, int y, int width, int height) {
    const int limit = SelectIconPage::DrawingArea().top - 2;
    control.setGeometry(x, std::max(0, std::min(y, limit - height)), width, height);
}

}  // namespace

SelectIconDialog::SelectIconDialog(const SelectIconRequest& request, UserInterface& ui, QWidget* parent)
    : QDialog(parent),
      page_(request),
      icons_(request.icons),
      ui_(ui),
      fileEdit_(new QLineEdit(this)),
      scrollBar_(new QScrollBar(Qt::Horizontal, this)) {
    setWindowTitle(QStringLiteral("Select Icon"));
    setMouseTracking(true);
    fileEdit_->setReadOnly(true);

    const DialogUnits units(font());
    const auto okCancel = DialogWidgets::OkCancelButtons(*this, units);
    ok_ = okCancel.ok;
    cancel_ = okCancel.cancel;
    ok_->setDefault(true);

    scrollBar_->setRange(0, page_.RangeEnd());
    // The thumb stands for the 14 columns in view; its steps are the page's own.
    scrollBar_->setPageStep(SelectIconPage::kColumns);
    scrollBar_->setTracking(false);
    scrollBar_->setFocusPolicy(Qt::NoFocus);
    // Its menu would set the position past the page's rules.
    scrollBar_->setContextMenuPolicy(Qt::NoContextMenu);
    // With nothing to scroll both arrows are dead, as at either end.
    scrollBar_->setEnabled(page_.RangeEnd() > 0);
    scrollBar_->setValue(page_.Position());
    connect(scrollBar_, &QScrollBar::actionTriggered, this, &SelectIconDialog::OnScrollAction);

    PlaceControls(units);
    LoadPage();
    ShowSelection();
}

std::optional<std::string> SelectIconDialog::Run(const SelectIconRequest& request, UserInterface& ui,
                                                 QWidget* parent) {
    SelectIconDialog dialog(request, ui, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Page().ResultCode();
}

void SelectIconDialog::PlaceControls(const DialogUnits& units) {
    const QRect area = ToQRect(SelectIconPage::DrawingArea());
    const int editHeight = std::max(units.Y(10), fileEdit_->sizeHint().height());
    PlaceAbove(*fileEdit_, units.X(9), units.Y(9), units.X(76), editHeight);
    // The drawing area keeps its pixel size whatever the font; the buttons
    // end at its right edge, as the template had them, so the dialog hugs it.
    int right = area.right() + 1;
    for (QPushButton* button : {cancel_, ok_}) {
        const int width = std::max(button->minimumWidth(), button->sizeHint().width());
        PlaceAbove(*button, right - width, units.Y(7), width, button->height());
        right -= width + units.X(11);
    }
    const int width = std::max(area.right() + 1 + area.left(), fileEdit_->geometry().right() + units.X(9));
    const int barTop = std::max(units.Y(160), area.bottom() + 3);
    const int barHeight = std::max(units.Y(11), scrollBar_->sizeHint().height());
    scrollBar_->setGeometry(0, barTop, width, barHeight);
    setFixedSize(width, barTop + barHeight);
}

void SelectIconDialog::LoadPage() {
    for (int icon = page_.FirstIcon(); icon < page_.PageEnd(); ++icon) {
        if (bitmaps_.count(icon) != 0) {
            continue;
        }
        const std::string path = icons_.folder + icons_.files[static_cast<std::size_t>(icon)];
        auto image = IconBitmapLoader::Load(path);
        if (!image) {
            // The list ends at the first bitmap that cannot be loaded.
            page_.TruncateAt(static_cast<std::size_t>(icon));
            ui_.ShowMessage(IconBitmapLoader::FailureMessage(path));
            break;
        }
        bitmaps_.emplace(icon, std::move(*image));
    }
    // Icons that left the page (or the shortened list) give their bitmaps back.
    std::erase_if(bitmaps_, [this](const auto& entry) {
        return entry.first < page_.FirstIcon() || entry.first >= page_.PageEnd();
    });
}

void SelectIconDialog::OnScrollAction(int action) {
    using Scroll = SelectIconPage::Scroll;
    Scroll scroll = Scroll::Other;
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub: scroll = Scroll::LineLeft; break;
        case QAbstractSlider::SliderSingleStepAdd: scroll = Scroll::LineRight; break;
        case QAbstractSlider::SliderPageStepSub: scroll = Scroll::PageLeft; break;
        case QAbstractSlider::SliderPageStepAdd: scroll = Scroll::PageRight; break;
        case QAbstractSlider::SliderMove:
            // Without tracking this comes when the dragged thumb is let go.
            if (scrollBar_->isSliderDown()) {
                return;
            }
            scroll = Scroll::ThumbRelease;
            break;
        default: break;
    }
    const bool moved = page_.ScrollBy(scroll, scrollBar_->sliderPosition());
    // The bar shows the page's position, whatever it had worked out itself.
    scrollBar_->setSliderPosition(page_.Position());
    if (moved) {
        LoadPage();
        ShowSelection();
        update();
    }
}

void SelectIconDialog::ShowSelection() { fileEdit_->setText(QtText::ToQt(page_.SelectedFileTitle())); }

void SelectIconDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(ToQRect(SelectIconPage::DrawingArea()), Qt::white);
    const QRect source(0, 0, SelectIconPage::kPictureWidth, SelectIconPage::kPictureHeight);
    for (const auto& [icon, image] : bitmaps_) {
        const int cell = icon - page_.FirstIcon();
        if (cell == page_.SelectedCell()) {
            painter.fillRect(ToQRect(SelectIconPage::Frame(cell)), QColor(255, 0, 0));
        }
        const SelectIconPage::Rect picture = SelectIconPage::Picture(cell);
        painter.drawImage(QPoint(picture.left, picture.top), image, source);
    }
}

void SelectIconDialog::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && page_.Click(at.x(), at.y())) {
        ShowSelection();
        update();
    }
    QDialog::mousePressEvent(event);
}

void SelectIconDialog::mouseMoveEvent(QMouseEvent* event) {
    // The hand marks what a click would choose.
    const QPoint at = event->position().toPoint();
    if (page_.CellAt(at.x(), at.y()) >= 0) {
        setCursor(Qt::PointingHandCursor);
    } else {
        unsetCursor();
    }
    QDialog::mouseMoveEvent(event);
}

}  // namespace kalivo
