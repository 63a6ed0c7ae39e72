#include "common/ui/picture.h"

#include <QPainter>
#include <QRect>

#include <cerrno>
#include <cstring>
#include <new>
#include <vector>

#include "common/platform/files.h"
#include "common/ui/error_box.h"

namespace {

constexpr char kErrorCaption[] = "CPicture Error";
constexpr char kNoMemory[] = "Can not allocate enough memory\t";

// The system's text for a file that cannot be read, as the file classes give it.
std::string FileErrorText(const std::string& fileName, int error) {
    return "\"" + fileName + "\": " + std::strerror(error != 0 ? error : ENOENT);
}

}  // namespace

void CPicture::Release() {
    image_ = QImage();
    size_ = 0;
    width_ = 0;
    height_ = 0;
}

bool CPicture::Load(const std::string& fileName) {
    Release();
    std::string data;
    errno = 0;
    if (!platform::FileExists(fileName) || !platform::ReadWholeFile(fileName, data)) {
        ui::ShowErrorBox(kErrorCaption, FileErrorText(fileName, errno));
        return false;
    }
    return LoadFromMemory(data.data(), data.size());
}

bool CPicture::LoadFromMemory(const void* data, std::size_t size) {
    Release();
    if (!data || size == 0) return false;
    try {
        QImage image;
        if (!image.loadFromData(static_cast<const uchar*>(data), static_cast<int>(size))) {
            return false;
        }
        image_ = std::move(image);
    } catch (const std::bad_alloc&) {
        ui::ShowErrorBox(kErrorCaption, kNoMemory);
        return false;
    }
    size_ = size;
    width_ = image_.width();
    height_ = image_.height();
    return true;
}

bool CPicture::Render(QPainter& painter, const QRect& rect) const {
    if (image_.isNull()) return false;
    if (!painter.isActive()) {
        ui::ShowErrorBox(kErrorCaption, kNoMemory);
        return false;
    }
    painter.drawImage(rect, image_);
    return true;
}
