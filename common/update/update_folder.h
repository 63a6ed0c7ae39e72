#pragma once
// The folder listed files are downloaded into before they are installed: one per object,
// created below the system's temporary folder with a name no other process can share, so
// two clients (or a client and the repair tool) never empty each other's downloads.
// Removed with the object.
#include <string>

namespace update {

class UpdateFolder {
public:
    UpdateFolder() = default;
    ~UpdateFolder();
    UpdateFolder(const UpdateFolder&) = delete;
    UpdateFolder& operator=(const UpdateFolder&) = delete;

    // Gives an empty folder, created on first use and emptied on later ones; "" when it
    // cannot be had.
    const std::string& Fresh();
    // Removes the folder and everything in it.
    void Remove();
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

}  // namespace update
