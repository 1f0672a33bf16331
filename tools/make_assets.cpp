// rockjaw_assets OUTDIR: draws every picture, the text sheet and the squash
// sound of the game and writes them where the game looks for them:
// OUTDIR/Text.tex and OUTDIR/data/. The same bytes come out on every run.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "bugs.h"
#include "font.h"
#include "ground.h"
#include "image.h"
#include "rock.h"
#include "sound.h"
#include "splash.h"
#include "splat.h"

namespace {

namespace fs = std::filesystem;

// The game's boulder; the title picture shows the same one.
constexpr std::uint64_t kBoulderSeed = 0xB2;
constexpr double kSoundPeak = 0.7;

struct Asset {
    const char* path; // relative to OUTDIR
    Bytes bytes;
};

std::vector<Asset> drawAssets()
{
    std::vector<Asset> assets;
    auto picture = [&](const char* path, const Image& image) { assets.push_back({path, encodeBmp(image)}); };
    picture("Text.tex", renderFontSheet());
    picture("data/boulder.dat", renderBoulder(kLaneHeight, kBoulderSeed));
    picture("data/BKG.dat", renderGround());
    picture("data/Bug00.dat", renderBugSheet(BugKind::Crawler, true));
    picture("data/Bug01.dat", renderBugSheet(BugKind::Chaser, false));
    picture("data/Bug02.dat", renderBugSheet(BugKind::Patroller, false));
    picture("data/Bug03.dat", renderBugSheet(BugKind::Player, false));
    picture("data/Dead.dat", renderSplat({168, 204, 48}, {52, 70, 20}, 0xDEAD));
    picture("data/DeadPlayer.dat", renderSplat({70, 190, 250}, {30, 96, 140}, 0xC1));
    picture("data/Black.dat", Image(1, 1, kBlack));
    picture("data/Splash.dat", renderSplash(kBoulderSeed));
    assets.push_back({"data/squish.wav", encodeWav(synthesizeSquish(kSoundPeak))});
    return assets;
}

bool writeFile(const fs::path& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: rockjaw_assets OUTDIR\n";
        return 1;
    }
    const fs::path folder(argv[1]);
    std::error_code error;
    fs::create_directories(folder / "data", error);
    if (error) {
        std::cerr << "rockjaw_assets: cannot create " << (folder / "data").string() << ": " << error.message()
                  << "\n";
        return 1;
    }
    for (const Asset& asset : drawAssets())
        if (!writeFile(folder / asset.path, asset.bytes)) {
            std::cerr << "rockjaw_assets: cannot write " << (folder / asset.path).string() << "\n";
            return 1;
        }
    return 0;
}
