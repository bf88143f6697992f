#include "support/FatImage.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace kalivo::test {

namespace stdfs = std::filesystem;

namespace {

constexpr std::uintmax_t kImageSize = 8u * 1024u * 1024u;

bool Run(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()) == 0; }

bool HasTool(const std::string& tool) { return Run("command -v " + tool); }

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

}  // namespace

FatImage::FatImage() : image_(work_.File("volume.img")), mountPoint_(work_.File("volume")) {
    mounted_ = Mount();
}

bool FatImage::Mount() {
    if (!HasTool("mkfs.fat") || !HasTool("fusefat")) {
        why_ = "mkfs.fat (dosfstools) or fusefat is not installed";
        return false;
    }
    if (!stdfs::exists("/dev/fuse")) {
        why_ = "this machine has no /dev/fuse";
        return false;
    }
    std::error_code ec;
    stdfs::create_directory(mountPoint_, ec);
    { std::ofstream(image_, std::ios::binary); }
    stdfs::resize_file(image_, kImageSize, ec);
    if (ec || !Run("mkfs.fat " + Quoted(image_))) {
        why_ = "mkfs.fat could not make an image";
        return false;
    }
    // No kernel caching of names or sizes: the kernel would keep a name seen in
    // other letters as a separate entry and show a replaced file's old size,
    // where a FAT driver knows both spellings are one file.
    const std::string options = "rw+,attr_timeout=0,entry_timeout=0,negative_timeout=0";
    if (!Run("fusefat -o " + options + " " + Quoted(image_) + " " + Quoted(mountPoint_))) {
        why_ = "fusefat could not mount the image (needs root or FUSE rights)";
        return false;
    }
    // Proof that the folder is the FAT volume: a name found in other letters.
    { std::ofstream(mountPoint_ + "/PROBE.TXT") << "x"; }
    const bool ignoresCase = stdfs::exists(mountPoint_ + "/probe.txt", ec);
    stdfs::remove(mountPoint_ + "/PROBE.TXT", ec);
    if (!ignoresCase) {
        Run("fusermount -u " + Quoted(mountPoint_));
        why_ = "the mounted image does not behave as FAT";
        return false;
    }
    return true;
}

FatImage::~FatImage() {
    if (mounted_ && !Run("fusermount -u " + Quoted(mountPoint_))) {
        Run("umount " + Quoted(mountPoint_));
    }
}

std::string FatImage::Folder(const std::string& name) const {
    const std::string path = mountPoint_ + "/" + name;
    std::error_code ec;
    stdfs::create_directory(path, ec);
    return path;
}

}  // namespace kalivo::test
