#ifndef ROCKJAW_TOOLS_SHADING_H
#define ROCKJAW_TOOLS_SHADING_H

// Every picture shares one light, from the upper left and above, so boulders,
// bugs and pebbles sit together on the ground.
double diffuseLight(double nx, double ny, double nz);
// A tight highlight of the same light, for wet and polished surfaces.
double glint(double nx, double ny, double nz, double sharpness);
// The light on a dome at (dx, dy) from its centre, in units of its radius.
double domeLight(double dx, double dy);
double domeGlint(double dx, double dy, double sharpness);

#endif
