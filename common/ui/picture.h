#pragma once
// CPicture: a picture (GIF, JPEG, BMP, PNG) loaded from a file or a memory buffer and
// drawn whole into a rectangle.
#include <QImage>

#include <cstddef>
#include <string>

class QPainter;
class QRect;

class CPicture {
public:
    // Releases the old picture and loads the file. A file that cannot be opened shows
    // its error in a "CPicture Error" box; width and height become 0. Data that is not
    // a picture gives false without a message.
    bool Load(const std::string& fileName);

    // Loads a picture from `size` bytes at `data`.
    bool LoadFromMemory(const void* data, std::size_t size);

    // Draws the whole picture into `rect`, scaled to fit it exactly.
    bool Render(QPainter& painter, const QRect& rect) const;

    void Release();

    bool IsLoaded() const { return !image_.isNull(); }
    std::size_t Size() const { return size_; }  // bytes of the data last loaded
    int Width() const { return width_; }
    int Height() const { return height_; }
    const QImage& Image() const { return image_; }

private:
    QImage image_;
    std::size_t size_ = 0;
    int width_ = 0;
    int height_ = 0;
};
