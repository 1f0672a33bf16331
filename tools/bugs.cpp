#include "bugs.h"

#include <array>
#include <cmath>
#include <functional>
#include <string_view>

#include "maths.h"
#include "shading.h"

namespace {

constexpr Rgb kRim{20, 16, 14};
constexpr double kCentreX = (kBugWidth - 1) / 2.0;

enum class Marking { Seam, Stripes, Heart };

struct BugLook {
    Rgb shell;
    Rgb legs;
    Rgb eyes;
    double abdomenHalfWidth;
    double abdomenHalfLength;
    double headRadius;
    Marking marking;
    bool pincers;
    bool bigEyes;
};

BugLook lookOf(BugKind kind)
{
    switch (kind) {
    case BugKind::Crawler:
        return {{86, 168, 58}, {52, 86, 34}, {236, 236, 220}, 7.0, 9.0, 3.6, Marking::Seam, false, false};
    case BugKind::Chaser:
        return {{212, 44, 30}, {110, 26, 18}, {255, 222, 40}, 6.5, 8.5, 4.0, Marking::Seam, true, false};
    case BugKind::Patroller:
        return {{242, 160, 32}, {96, 62, 20}, {236, 236, 220}, 4.6, 9.0, 3.4, Marking::Stripes, false, false};
    case BugKind::Player:
        break;
    }
    return {{72, 206, 250}, {30, 96, 140}, {255, 255, 255}, 7.0, 8.4, 4.4, Marking::Heart, false, true};
}

// Draws in the bug's own frame, head up, and turns it over for a bug heading
// down; the light stays where it is, so both headings are lit alike.
class BugCanvas {
public:
    BugCanvas(Image& cell, Heading heading) : cell_(cell), down_(heading == Heading::Down) {}

    int cellY(double bodyY) const
    {
        const int y = nearest(bodyY);
        return down_ ? kBugHeight - 1 - y : y;
    }
    double bodyY(int cellY) const { return down_ ? kBugHeight - 1 - cellY : cellY; }
    double screenSign() const { return down_ ? -1.0 : 1.0; }

    void line(double x0, double y0, double x1, double y1, Rgb colour)
    {
        drawLine(cell_, nearest(x0), cellY(y0), nearest(x1), cellY(y1), colour);
    }
    void dot(double x, double y, Rgb colour) { cell_.set(nearest(x), cellY(y), colour); }
    Image& cell() { return cell_; }

private:
    Image& cell_;
    bool down_;
};

struct Ellipse {
    double centreX, centreY, halfWidth, halfHeight;
};

// The shell's own colour at (u, v), the point's offset from the part's centre
// in units of its half axes, head-up frame.
using Surface = std::function<Rgb(double u, double v)>;

void shadePart(BugCanvas& canvas, const Ellipse& part, const Surface& surface)
{
    Image& cell = canvas.cell();
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x) {
            const double u = (x - part.centreX) / part.halfWidth;
            const double v = (canvas.bodyY(y) - part.centreY) / part.halfHeight;
            if (u * u + v * v > 1.0)
                continue;
            const double screenV = v * canvas.screenSign();
            const double light = 0.35 + 0.85 * domeLight(u, screenV);
            const double shine = 110.0 * domeGlint(u, screenV, 40.0);
            cell.set(x, y, brightened(scaled(surface(u, v), light), shine));
        }
}

bool heartAt(double u, double v, const Ellipse& abdomen)
{
    static constexpr std::array<std::string_view, 5> kHeart{
        ".#.#.",
        "#####",
        "#####",
        ".###.",
        "..#..",
    };
    const int column = nearest(u * abdomen.halfWidth) + 2;
    const int row = nearest(v * abdomen.halfHeight) + 2;
    return row >= 0 && row < 5 && column >= 0 && column < 5 && kHeart[row][column] == '#';
}

Surface abdomenSurface(const BugLook& look, const Ellipse& abdomen)
{
    const Rgb shell = look.shell;
    switch (look.marking) {
    case Marking::Seam:
        // The line where the two wing cases meet.
        return [shell, abdomen](double u, double) {
            return std::abs(u * abdomen.halfWidth) < 0.5 ? scaled(shell, 0.45) : shell;
        };
    case Marking::Stripes:
        return [shell, abdomen](double, double v) {
            const int band = static_cast<int>(std::floor((v + 1.0) * abdomen.halfHeight / 2.5));
            return band % 2 == 1 ? Rgb{40, 30, 22} : shell;
        };
    case Marking::Heart:
        break;
    }
    return [shell, abdomen](double u, double v) {
        return heartAt(u, v, abdomen) ? Rgb{250, 250, 250} : shell;
    };
}

// A leg's resting knee and foot: outward from the centre line, and down
// from the top of the cell.
struct LegPose {
    double rootY, kneeOut, kneeY, footOut, footY;
};

constexpr std::array<LegPose, 3> kLegs{{
    {14.0, 7.0, 11.0, 10.0, 4.0},  // front, reaching forward
    {16.0, 9.0, 16.0, 14.0, 19.0}, // middle, out to the side
    {18.0, 8.0, 22.0, 12.0, 31.0}, // back, trailing
}};

// A tripod gait: front and back legs of one side step with the middle leg of
// the other. Each foot goes forward, pushes back along the ground stretched
// out, and tucks in while it swings forward again.
struct Stride {
    double out, down;
};
constexpr std::array<Stride, kWalkSteps> kStride{{{0, -2}, {1, 0}, {0, 2}, {-2, 0}}};

void drawLegs(BugCanvas& canvas, const BugLook& look, int step)
{
    for (int side : {-1, 1})
        for (std::size_t leg = 0; leg < kLegs.size(); ++leg) {
            const LegPose& pose = kLegs[leg];
            const int group = (static_cast<int>(leg) + (side > 0 ? 1 : 0)) % 2;
            const Stride stride = kStride[(step + 2 * group) % kWalkSteps];
            const double kneeX = kCentreX + side * (pose.kneeOut + stride.out / 2);
            const double kneeY = pose.kneeY + stride.down / 2;
            const double footX = kCentreX + side * (pose.footOut + stride.out);
            const double footY = pose.footY + stride.down;
            canvas.line(kCentreX + side * 3.0, pose.rootY, kneeX, kneeY, look.legs);
            canvas.line(kneeX, kneeY, footX, footY, look.legs);
        }
}

void drawFeelers(BugCanvas& canvas, const BugLook& look, int step, double headTop)
{
    const double wiggle = (step % 2 == 0) ? 0.0 : 1.0;
    for (int side : {-1, 1}) {
        if (look.pincers) {
            // Short and swept back, out of the pincers' way.
            canvas.line(kCentreX + side * 3, headTop + 2, kCentreX + side * (8 + wiggle), headTop - 1,
                        look.legs);
            continue;
        }
        canvas.line(kCentreX + side * 1.5, headTop + 1, kCentreX + side * 3.5, headTop - 3, look.legs);
        canvas.line(kCentreX + side * 3.5, headTop - 3, kCentreX + side * (5 + wiggle), 2.0 + wiggle,
                    look.legs);
    }
}

// Curved mandibles, two pixels thick, closing in front of the head.
void drawPincers(BugCanvas& canvas, double headTop)
{
    const Rgb jaw{150, 30, 20};
    for (int side : {-1, 1})
        for (double thickness : {0.0, 1.0}) {
            const double out = side * thickness;
            canvas.line(kCentreX + side * 2 + out, headTop + 1, kCentreX + side * 4 + out, headTop - 2, jaw);
            canvas.line(kCentreX + side * 4 + out, headTop - 2, kCentreX + side * 3 + out, headTop - 3, jaw);
            canvas.line(kCentreX + side * 3 + out, headTop - 3, kCentreX + side * 1, headTop - 3.5, jaw);
        }
}

void drawStinger(BugCanvas& canvas, const Ellipse& abdomen)
{
    const double tail = abdomen.centreY + abdomen.halfHeight;
    canvas.line(kCentreX, tail, kCentreX, tail + 1, Rgb{40, 30, 22});
}

void drawEyes(BugCanvas& canvas, const BugLook& look, const Ellipse& head)
{
    const double eyeY = head.centreY - 1.0;
    for (int side : {-1, 1}) {
        const double eyeX = kCentreX + side * 2.0;
        canvas.dot(eyeX, eyeY, look.eyes);
        if (look.bigEyes) {
            canvas.dot(eyeX, eyeY - 1, look.eyes);
            canvas.dot(eyeX + side, eyeY, look.eyes);
            canvas.dot(eyeX + side, eyeY - 1, Rgb{20, 40, 70});
        } else if (look.pincers) {
            canvas.dot(eyeX - side, eyeY + 1, look.eyes); // slanted: an angry frown
        }
    }
}

} // namespace

Image renderBug(BugKind kind, int step, Heading heading)
{
    const BugLook look = lookOf(kind);
    Image cell(kBugWidth, kBugHeight, kMagenta);
    BugCanvas canvas(cell, heading);

    const Ellipse thorax{kCentreX, 15.5, 4.5, 3.5};
    const Ellipse head{kCentreX, 12.0 - look.headRadius * 0.8, look.headRadius, look.headRadius * 0.85};
    const double abdomenTop = 18.0;
    const Ellipse abdomen{kCentreX, abdomenTop + look.abdomenHalfLength, look.abdomenHalfWidth,
                          look.abdomenHalfLength};
    const double headTop = head.centreY - head.halfHeight;

    drawLegs(canvas, look, step);
    drawFeelers(canvas, look, step, headTop);
    shadePart(canvas, abdomen, abdomenSurface(look, abdomen));
    if (look.marking == Marking::Stripes)
        drawStinger(canvas, abdomen);
    shadePart(canvas, thorax, [&](double, double) { return scaled(look.shell, 0.8); });
    shadePart(canvas, head, [&](double, double) { return scaled(look.shell, 0.7); });
    if (look.pincers)
        drawPincers(canvas, headTop);
    drawEyes(canvas, look, head);
    addOutline(cell, kMagenta, kRim);
    return cell;
}

Image renderBugSheet(BugKind kind, bool withHeadingDown)
{
    const int rows = withHeadingDown ? 2 : 1;
    Image sheet(kBugWidth * kWalkSteps, kBugHeight * rows, kMagenta);
    for (int row = 0; row < rows; ++row)
        for (int step = 0; step < kWalkSteps; ++step)
            sheet.paste(renderBug(kind, step, row == 0 ? Heading::Up : Heading::Down),
                        step * kBugWidth, row * kBugHeight);
    return sheet;
}
