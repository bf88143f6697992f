#pragma once
// One icon picture of the view dialogs: 39 x 36 pixels of the icon's bitmap,
// copied unscaled as the instrument shows it. Empty when there is no icon or
// its bitmap could not be loaded.
#include <QImage>
#include <QWidget>
#include <optional>
#include <string>

namespace kalivo {

class UserInterface;

class IconPictureWidget : public QWidget {
    Q_OBJECT

public:
    explicit IconPictureWidget(QWidget* parent);

    // Loads the bitmap at path (nothing: no icon). A bitmap that cannot be
    // loaded is reported through ui and leaves the picture empty.
    void Load(const std::optional<std::string>& path, UserInterface& ui);
    bool HasPicture() const { return !image_.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};

}  // namespace kalivo
