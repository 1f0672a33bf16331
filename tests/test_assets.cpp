// The generated pictures, text sheet and sound, loaded the way the game loads
// them, from the working folder that holds Text.tex and data/.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr Uint32 kSeeThrough = 0xFF00FF; // magenta
constexpr Uint32 kTextKey = 0x000000;    // the font sheet's see-through black

using Picture = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

Picture Load(const std::string& path)
{
    return Picture(SDL_LoadBMP(path.c_str()), SDL_FreeSurface);
}

// A 32-bit pixel as 0xRRGGBB, whatever the surface's layout.
Uint32 ColourAt(const SDL_Surface* surface, int x, int y)
{
    Uint32 raw;
    std::memcpy(&raw, static_cast<const Uint8*>(surface->pixels) + y * surface->pitch + x * 4, sizeof raw);
    Uint8 r, g, b;
    SDL_GetRGB(raw, surface->format, &r, &g, &b);
    return Uint32(r) << 16 | Uint32(g) << 8 | b;
}

int Brightest(Uint32 colour)
{
    return std::max({int(colour >> 16), int(colour >> 8 & 0xFF), int(colour & 0xFF)});
}

// The display the game draws on: the one start-up opened, else a fresh one.
SDL_Surface* Display()
{
    if (!SDL_WasInit(SDL_INIT_VIDEO))
        SDL_InitSubSystem(SDL_INIT_VIDEO);
    if (SDL_Surface* open = SDL_GetVideoSurface())
        return open;
    return SDL_SetVideoMode(720, 540, 32, SDL_HWSURFACE | SDL_DOUBLEBUF);
}

struct Bounds {
    int minWidth, minHeight, maxWidth, maxHeight;
};
constexpr Bounds Exactly(int width, int height)
{
    return {width, height, width, height};
}

enum class Backdrop { SeeThrough, Solid };

struct PictureCase {
    const char* path;
    Bounds size;
    Backdrop backdrop;
};

const PictureCase kPictures[] = {
    {"Text.tex", Exactly(256, 128), Backdrop::Solid},
    {"data/boulder.dat", Exactly(75, 75), Backdrop::SeeThrough},
    // It is the only thing that clears the display while playing.
    {"data/BKG.dat", Exactly(720, 540), Backdrop::Solid},
    {"data/Bug00.dat", Exactly(140, 80), Backdrop::SeeThrough},
    {"data/Bug01.dat", Exactly(140, 40), Backdrop::SeeThrough},
    {"data/Bug02.dat", Exactly(140, 40), Backdrop::SeeThrough},
    {"data/Bug03.dat", Exactly(140, 40), Backdrop::SeeThrough},
    {"data/Dead.dat", Exactly(35, 40), Backdrop::SeeThrough},
    {"data/DeadPlayer.dat", Exactly(35, 40), Backdrop::SeeThrough},
    {"data/Black.dat", Exactly(1, 1), Backdrop::Solid},
    // Drawn at (75, 100): inside the display and clear of the help lines at y 460.
    {"data/Splash.dat", {200, 100, 570, 340}, Backdrop::SeeThrough},
};

void PrintTo(const PictureCase& picture, std::ostream* out)
{
    *out << picture.path;
}

std::vector<std::string> AssetFiles()
{
    std::vector<std::string> files;
    for (const PictureCase& picture : kPictures)
        files.push_back(picture.path);
    files.push_back("data/squish.wav");
    return files;
}

std::string PrintPath(const ::testing::TestParamInfo<PictureCase>& info)
{
    std::string name = fs::path(info.param.path).stem().string();
    name.erase(std::remove_if(name.begin(), name.end(), [](unsigned char c) { return !std::isalnum(c); }), name.end());
    return name;
}

class PictureFile : public ::testing::TestWithParam<PictureCase> {
protected:
    void SetUp() override
    {
        display = Display();
        ASSERT_NE(display, nullptr) << SDL_GetError();
        picture = Load(GetParam().path);
        ASSERT_NE(picture, nullptr) << GetParam().path << ": " << SDL_GetError();
    }

    SDL_Surface* display = nullptr;
    Picture picture{nullptr, SDL_FreeSurface};
};

TEST_P(PictureFile, HasItsSize)
{
    const Bounds size = GetParam().size;
    EXPECT_GE(picture->w, size.minWidth);
    EXPECT_LE(picture->w, size.maxWidth);
    EXPECT_GE(picture->h, size.minHeight);
    EXPECT_LE(picture->h, size.maxHeight);
}

// Blits are cheapest in the display's own layout, and an alpha channel would
// make SDL 1.2 ignore the colour key.
TEST_P(PictureFile, LoadsInTheDisplaysLayoutWithoutAlpha)
{
    const SDL_PixelFormat* mine = picture->format;
    const SDL_PixelFormat* wanted = display->format;
    EXPECT_EQ(mine->BytesPerPixel, wanted->BytesPerPixel);
    EXPECT_EQ(mine->Rmask, wanted->Rmask);
    EXPECT_EQ(mine->Gmask, wanted->Gmask);
    EXPECT_EQ(mine->Bmask, wanted->Bmask);
    EXPECT_EQ(mine->Amask, 0u);
    EXPECT_EQ(wanted->Amask, 0u);
}

TEST_P(PictureFile, IsSeeThroughExactlyWhereItShouldBe)
{
    const int right = picture->w - 1;
    const int bottom = picture->h - 1;
    if (GetParam().backdrop == Backdrop::SeeThrough) {
        for (const auto& [x, y] : {std::pair{0, 0}, {right, 0}, {0, bottom}, {right, bottom}})
            EXPECT_EQ(ColourAt(picture.get(), x, y), kSeeThrough) << "corner " << x << "," << y;
        return;
    }
    int magenta = 0;
    for (int y = 0; y < picture->h; ++y)
        for (int x = 0; x < picture->w; ++x)
            magenta += ColourAt(picture.get(), x, y) == kSeeThrough;
    EXPECT_EQ(magenta, 0);
}

// What the game does with every picture: key out magenta and blit.
TEST_P(PictureFile, KeyedBlitLeavesTheGroundWhereItIsMagenta)
{
    const SDL_PixelFormat* format = display->format;
    Picture canvas(SDL_CreateRGBSurface(SDL_SWSURFACE, picture->w, picture->h, 32, format->Rmask,
                                        format->Gmask, format->Bmask, format->Amask),
                   SDL_FreeSurface);
    ASSERT_NE(canvas, nullptr);
    const Uint32 ground = 0x123456;
    SDL_FillRect(canvas.get(), nullptr, SDL_MapRGB(canvas->format, 0x12, 0x34, 0x56));
    SDL_SetColorKey(picture.get(), SDL_SRCCOLORKEY, SDL_MapRGB(picture->format, 255, 0, 255));
    ASSERT_EQ(SDL_BlitSurface(picture.get(), nullptr, canvas.get(), nullptr), 0);

    int wrong = 0;
    for (int y = 0; y < picture->h; ++y)
        for (int x = 0; x < picture->w; ++x) {
            const Uint32 source = ColourAt(picture.get(), x, y);
            wrong += ColourAt(canvas.get(), x, y) != (source == kSeeThrough ? ground : source);
        }
    EXPECT_EQ(wrong, 0);
}

INSTANTIATE_TEST_SUITE_P(Assets, PictureFile, ::testing::ValuesIn(kPictures), PrintPath);

TEST(Pictures, BlackIsOneBlackPixel)
{
    const Picture black = Load("data/Black.dat");
    ASSERT_NE(black, nullptr);
    EXPECT_EQ(ColourAt(black.get(), 0, 0), 0x000000u);
}

// Sprite sheets of 35 × 40 cells, one column per walking step.
constexpr int kCellWidth = 35;
constexpr int kCellHeight = 40;
constexpr int kSteps = 4;

using Cell = std::vector<Uint32>;

Cell CellOf(const SDL_Surface* sheet, int column, int row)
{
    Cell cell;
    for (int y = 0; y < kCellHeight; ++y)
        for (int x = 0; x < kCellWidth; ++x)
            cell.push_back(ColourAt(sheet, column * kCellWidth + x, row * kCellHeight + y));
    return cell;
}

// Mean colour of a cell's lit pixels, channel by channel: the shell, not the
// dark legs and outline that every bug shares.
std::array<double, 3> MeanColour(const Cell& cell)
{
    std::array<double, 3> sum{};
    int count = 0;
    for (Uint32 pixel : cell)
        if (pixel != kSeeThrough && Brightest(pixel) >= 96) {
            sum[0] += pixel >> 16;
            sum[1] += pixel >> 8 & 0xFF;
            sum[2] += pixel & 0xFF;
            ++count;
        }
    for (double& channel : sum)
        channel /= std::max(count, 1);
    return sum;
}

double ColourDistance(const std::array<double, 3>& a, const std::array<double, 3>& b)
{
    return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

struct SheetCase {
    const char* path;
    int rows;
};

void PrintTo(const SheetCase& sheet, std::ostream* out)
{
    *out << sheet.path;
}

class BugSheet : public ::testing::TestWithParam<SheetCase> {};

TEST_P(BugSheet, EveryStepIsADrawnBugClearOfItsCellEdges)
{
    const Picture sheet = Load(GetParam().path);
    ASSERT_NE(sheet, nullptr);
    for (int row = 0; row < GetParam().rows; ++row)
        for (int step = 0; step < kSteps; ++step) {
            SCOPED_TRACE("row " + std::to_string(row) + ", step " + std::to_string(step));
            const Cell cell = CellOf(sheet.get(), step, row);
            const long drawn = std::count_if(cell.begin(), cell.end(), [](Uint32 p) { return p != kSeeThrough; });
            EXPECT_GT(drawn, kCellWidth * kCellHeight / 5);
            int onEdge = 0;
            for (int y = 0; y < kCellHeight; ++y)
                for (int x = 0; x < kCellWidth; ++x) {
                    const bool edge = x == 0 || y == 0 || x == kCellWidth - 1 || y == kCellHeight - 1;
                    onEdge += edge && cell[y * kCellWidth + x] != kSeeThrough;
                }
            EXPECT_EQ(onEdge, 0);
        }
}

TEST_P(BugSheet, EveryStepOfTheWalkDiffersFromTheNext)
{
    const Picture sheet = Load(GetParam().path);
    ASSERT_NE(sheet, nullptr);
    for (int row = 0; row < GetParam().rows; ++row)
        for (int step = 0; step < kSteps; ++step)
            EXPECT_NE(CellOf(sheet.get(), step, row), CellOf(sheet.get(), (step + 1) % kSteps, row))
                << "row " << row << ", step " << step;
}

const SheetCase kSheets[] = {
    {"data/Bug00.dat", 2},
    {"data/Bug01.dat", 1},
    {"data/Bug02.dat", 1},
    {"data/Bug03.dat", 1},
};

INSTANTIATE_TEST_SUITE_P(Assets, BugSheet, ::testing::ValuesIn(kSheets),
                         [](const ::testing::TestParamInfo<SheetCase>& info) {
                             return fs::path(info.param.path).stem().string();
                         });

// Kind A walks both ways: its second row is the first one turned around, so
// their outlines are mirror images (the light, from the upper left, is not).
TEST(BugSheets, KindAsSecondRowIsTheSameBugHeadingTheOtherWay)
{
    const Picture sheet = Load("data/Bug00.dat");
    ASSERT_NE(sheet, nullptr);
    for (int step = 0; step < kSteps; ++step) {
        const Cell up = CellOf(sheet.get(), step, 0);
        const Cell down = CellOf(sheet.get(), step, 1);
        int matching = 0;
        for (int y = 0; y < kCellHeight; ++y)
            for (int x = 0; x < kCellWidth; ++x)
                matching += (up[y * kCellWidth + x] == kSeeThrough) ==
                            (down[(kCellHeight - 1 - y) * kCellWidth + x] == kSeeThrough);
        EXPECT_GE(matching, 0.97 * kCellWidth * kCellHeight) << "step " << step;
    }
}

// Told apart at a glance: every pair in a group differs clearly in colour.
TEST(Pictures, KindsAndSplatsDifferInColour)
{
    const std::vector<std::vector<const char*>> groups = {
        {"data/Bug00.dat", "data/Bug01.dat", "data/Bug02.dat", "data/Bug03.dat"},
        {"data/Dead.dat", "data/DeadPlayer.dat"},
    };
    for (const auto& group : groups) {
        std::vector<std::array<double, 3>> colours;
        for (const char* path : group) {
            const Picture picture = Load(path);
            ASSERT_NE(picture, nullptr) << path;
            colours.push_back(MeanColour(CellOf(picture.get(), 0, 0)));
        }
        for (std::size_t a = 0; a < group.size(); ++a)
            for (std::size_t b = a + 1; b < group.size(); ++b)
                EXPECT_GT(ColourDistance(colours[a], colours[b]), 50.0) << group[a] << " vs " << group[b];
    }
}

// The text sheet: 16 × 16 cells, 16 to a row, codes 0 to 127.
constexpr int kGlyphCell = 16;

class FontSheet : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(sheet, nullptr) << SDL_GetError(); }

    Uint32 At(int code, int x, int y) const
    {
        return ColourAt(sheet.get(), code % 16 * kGlyphCell + x, code / 16 * kGlyphCell + y);
    }
    Cell Glyph(int code) const
    {
        Cell cell;
        for (int y = 0; y < kGlyphCell; ++y)
            for (int x = 0; x < kGlyphCell; ++x)
                cell.push_back(At(code, x, y));
        return cell;
    }

    Picture sheet = Load("Text.tex");
};

// The pen moves 9 pixels a letter, and codes in the sheet's first column are
// read from their cell's second column: glyphs must keep to columns 1 to 8.
TEST_F(FontSheet, EveryGlyphKeepsToColumnsOneToEight)
{
    for (int code = 0; code < 128; ++code)
        for (int y = 0; y < kGlyphCell; ++y)
            for (int x : {0, 9, 10, 11, 12, 13, 14, 15})
                EXPECT_EQ(At(code, x, y), kTextKey) << "code " << code << " at " << x << "," << y;
}

TEST_F(FontSheet, EveryPrintableCodeButSpaceHasAGlyph)
{
    for (int code = 32; code <= 126; ++code) {
        const Cell glyph = Glyph(code);
        const bool inked = std::any_of(glyph.begin(), glyph.end(), [](Uint32 p) { return p != kTextKey; });
        EXPECT_EQ(inked, code != ' ') << "code " << code;
    }
}

// Bright ink ringed by a near-black outline that is drawn, not keyed out, so
// text reads over the field.
TEST_F(FontSheet, GlyphsAreBrightInkInADarkOutline)
{
    for (int code = 33; code <= 126; ++code) {
        int brightest = 0;
        for (int y = 0; y < kGlyphCell; ++y)
            for (int x = 1; x <= 8; ++x) {
                const Uint32 pixel = At(code, x, y);
                if (pixel == kTextKey)
                    continue;
                brightest = std::max(brightest, Brightest(pixel));
                const bool bordersKey = At(code, x - 1, y) == kTextKey || At(code, x + 1, y) == kTextKey ||
                                        (y > 0 && At(code, x, y - 1) == kTextKey) ||
                                        (y < kGlyphCell - 1 && At(code, x, y + 1) == kTextKey);
                if (bordersKey) {
                    EXPECT_LT(Brightest(pixel), 48) << "code " << code << " at " << x << "," << y;
                }
            }
        EXPECT_GT(brightest, 160) << "code " << code;
    }
}

TEST_F(FontSheet, NoTwoPrintableCodesShareAGlyph)
{
    std::set<Cell> seen;
    for (int code = 33; code <= 126; ++code)
        EXPECT_TRUE(seen.insert(Glyph(code)).second) << "code " << code;
}

// A 16-bit PCM WAV file, read without SDL.
struct Wave {
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<Sint16> samples;
};

std::vector<unsigned char> ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Uint32 Little(const std::vector<unsigned char>& bytes, std::size_t at, int size)
{
    Uint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | bytes.at(at + i);
    return value;
}

Wave ReadWave(const std::string& path)
{
    const std::vector<unsigned char> bytes = ReadBytes(path);
    Wave wave;
    if (bytes.size() < 12 || std::string(bytes.begin(), bytes.begin() + 4) != "RIFF" ||
        std::string(bytes.begin() + 8, bytes.begin() + 12) != "WAVE")
        return wave;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id(bytes.begin() + at, bytes.begin() + at + 4);
        const Uint32 size = Little(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        if (id == "fmt ") {
            wave.format = Little(bytes, body, 2);
            wave.channels = Little(bytes, body + 2, 2);
            wave.rate = Little(bytes, body + 4, 4);
            wave.bits = Little(bytes, body + 14, 2);
        } else if (id == "data") {
            for (std::size_t i = body; i + 1 < body + size && i + 1 < bytes.size(); i += 2)
                wave.samples.push_back(static_cast<Sint16>(Little(bytes, i, 2)));
        }
        at = body + size + (size & 1);
    }
    return wave;
}

TEST(SquishSound, IsSixteenBitStereoAt44100HzShortAndBelowFullScale)
{
    const Wave wave = ReadWave("data/squish.wav");
    EXPECT_EQ(wave.format, 1); // integer PCM
    EXPECT_EQ(wave.channels, 2);
    EXPECT_EQ(wave.rate, 44100);
    EXPECT_EQ(wave.bits, 16);
    ASSERT_FALSE(wave.samples.empty());

    const double seconds = double(wave.samples.size()) / (2 * 44100);
    EXPECT_GT(seconds, 0.05);
    EXPECT_LT(seconds, 0.5);
    int peak = 0;
    for (Sint16 sample : wave.samples)
        peak = std::max(peak, std::abs(int(sample)));
    EXPECT_LT(peak, 0.9 * 32767) << "too close to clipping";
    EXPECT_GT(peak, 0.3 * 32767) << "too quiet to hear";
}

TEST(SquishSound, LoadsIntoTheMixerAsTheGameOpensIt)
{
    if (!SDL_WasInit(SDL_INIT_AUDIO))
        SDL_InitSubSystem(SDL_INIT_AUDIO);
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    // Start-up may have opened the mixer already; open it only if not.
    const bool openedHere = Mix_QuerySpec(&frequency, &format, &channels) == 0;
    if (openedHere) {
        ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048), 0) << Mix_GetError();
        Mix_QuerySpec(&frequency, &format, &channels);
    }
    Mix_Chunk* squish = Mix_LoadWAV("data/squish.wav");
    ASSERT_NE(squish, nullptr) << Mix_GetError();
    const double bytesPerSecond = double(frequency) * channels * (format & 0xFF) / 8;
    EXPECT_GT(squish->alen, 0u);
    EXPECT_LT(squish->alen / bytesPerSecond, 0.5);
    Mix_FreeChunk(squish);
    if (openedHere)
        Mix_CloseAudio();
}

// A fresh folder, removed with everything in it.
class TempFolder {
public:
    TempFolder()
    {
        char pattern[] = "/tmp/rockjaw-assets-XXXXXX";
        path = mkdtemp(pattern);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    std::string path;
};

struct ToolRun {
    int status;
    std::string errors;
};

ToolRun RunTool(const std::string& arguments, const TempFolder& scratch)
{
    const std::string errors = scratch.path + "/stderr.txt";
    const std::string command = std::string("'") + ROCKJAW_ASSET_TOOL + "' " + arguments + " 2>'" + errors + "'";
    const int status = std::system(command.c_str());
    const std::vector<unsigned char> message = ReadBytes(errors);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, std::string(message.begin(), message.end())};
}

TEST(AssetTool, WritesTheSameBytesOnEveryRunAsTheBuildDid)
{
    TempFolder first, second;
    ASSERT_EQ(RunTool("'" + first.path + "'", first).status, 0);
    ASSERT_EQ(RunTool("'" + second.path + "'", second).status, 0);
    for (const std::string& file : AssetFiles()) {
        const std::vector<unsigned char> built = ReadBytes(file);
        EXPECT_FALSE(built.empty()) << file;
        EXPECT_TRUE(ReadBytes(first.path + "/" + file) == built) << file << " differs from the build's";
        EXPECT_TRUE(ReadBytes(second.path + "/" + file) == built) << file << " differs from the build's";
    }
}

TEST(AssetTool, FailsWithAMessageWhenItCannotWrite)
{
    TempFolder scratch;
    const std::string notAFolder = scratch.path + "/plain-file";
    std::ofstream(notAFolder) << "in the way";
    struct BadRun {
        const char* why;
        std::string arguments;
    };
    const BadRun runs[] = {
        {"no folder given", ""},
        {"folder inside a plain file", "'" + notAFolder + "/game'"},
        {"a folder where a file must go", "'" + scratch.path + "/blocked'"},
    };
    fs::create_directories(scratch.path + "/blocked/data/BKG.dat");
    for (const BadRun& run : runs) {
        const ToolRun result = RunTool(run.arguments, scratch);
        EXPECT_EQ(result.status, 1) << run.why;
        EXPECT_FALSE(result.errors.empty()) << run.why;
    }
}

} // namespace
