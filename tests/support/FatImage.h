#pragma once
// A small FAT volume for tests: an image file made with mkfs.fat and mounted
// with fusefat, unmounted again when the object goes. The instruments' disks
// are FAT, where a name is one file whatever its case; a folder of the test
// machine's own file system cannot show that.
#include <string>

#include "support/TempFolder.h"

namespace kalivo::test {

class FatImage {
public:
    FatImage();
    ~FatImage();
    FatImage(const FatImage&) = delete;
    FatImage& operator=(const FatImage&) = delete;

    // False when this machine cannot make or mount the image; Why() says why.
    bool Mounted() const { return mounted_; }
    const std::string& Why() const { return why_; }
    // The mounted volume's root folder.
    const std::string& Path() const { return mountPoint_; }
    // A new sub-folder of the volume.
    std::string Folder(const std::string& name) const;

private:
    bool Mount();

    TempFolder work_;
    std::string image_;
    std::string mountPoint_;
    bool mounted_ = false;
    std::string why_;
};

}  // namespace kalivo::test
