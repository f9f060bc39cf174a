#include "DialogPicture.h"

#include <QLabel>
#include <QPixmap>

namespace brinox {

QLabel* DialogPicture(const std::string& appDirectory, std::string_view name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setPixmap(QPixmap(QString::fromStdString(appDirectory + std::string(name))));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace brinox
