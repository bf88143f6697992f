#include "qt/IconPictureWidget.h"

#include <QPainter>

#include "qt/IconBitmapLoader.h"
#include "ui/UserInterface.h"
#include "ui/bank/SelectIconPage.h"

namespace kalivo {

IconPictureWidget::IconPictureWidget(QWidget* parent) : QWidget(parent) {
    setFixedSize(SelectIconPage::kPictureWidth, SelectIconPage::kPictureHeight);
}

void IconPictureWidget::Load(const std::optional<std::string>& path, UserInterface& ui) {
    image_ = QImage();
    if (path) {
        if (auto image = IconBitmapLoader::Load(*path)) {
            image_ = std::move(*image);
        } else {
            ui.ShowMessage(IconBitmapLoader::FailureMessage(*path));
        }
    }
    update();
}

void IconPictureWidget::paintEvent(QPaintEvent*) {
    if (image_.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), image_, rect());
}

}  // namespace kalivo
