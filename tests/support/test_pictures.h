#pragma once
// Pictures written on the fly for widget tests, in a scratch program directory.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>

#include <string>

#include "common/platform/files.h"
#include "common/platform/paths.h"

namespace test_pictures {

// A scratch folder with an "image" subfolder that stands in as the program directory
// while it lives.
class ScratchProgramDirectory {
public:
    ScratchProgramDirectory() : previous_(platform::ProgramDirectory()) {
        path_ = platform::MakeTempDirectory("quorvel-ui-test");
        platform::CreateDirectories(path_ + "/image");
        platform::SetProgramDirectoryForTesting(path_);
    }
    ~ScratchProgramDirectory() {
        platform::SetProgramDirectoryForTesting(previous_);
        platform::RemoveDirectoryTree(path_);
    }
    const std::string& Path() const { return path_; }
    std::string ImagePath(const std::string& name) const { return path_ + "/image/" + name; }

private:
    std::string previous_;
    std::string path_;
};

// Saves `image` under `path` in the named format (the extension of `path` need not match:
// the loaders recognise pictures by their contents).
inline bool Save(const QImage& image, const std::string& path, const char* format = "PNG") {
    return image.save(QString::fromStdString(path), format);
}

// A strip of four frames, each `frameWidth` x `height`, filled with the colours given
// (frame 0..3) and `extraColumns` columns of white on the right.
inline QImage Strip(int frameWidth, int height, const QColor (&colours)[4], int extraColumns = 0) {
    QImage strip(frameWidth * 4 + extraColumns, height, QImage::Format_RGB32);
    strip.fill(Qt::white);
    QPainter painter(&strip);
    for (int i = 0; i < 4; ++i) painter.fillRect(i * frameWidth, 0, frameWidth, height, colours[i]);
    return strip;
}

// A window background: a rounded light rectangle on pure black.
inline QImage RoundedBackground(int width, int height, int radius, QColor fill = QColor(230, 236, 244)) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(0, 0, width, height), radius, radius);
    return image;
}

// Copies the committed skin pictures (`sourceTree`/assets/image) into the "image" folder
// of `programDirectory`, so windows under test load the real skin.
inline void CopySkinPictures(const std::string& sourceTree, const std::string& programDirectory) {
    const std::string images = sourceTree + "/assets/image";
    platform::CreateDirectories(programDirectory + "/image");
    for (const platform::DirectoryEntry& entry : platform::ListDirectory(images))
        if (!entry.isDirectory)
            platform::CopyFileOverwrite(images + "/" + entry.name, programDirectory + "/image/" + entry.name);
}

}  // namespace test_pictures
