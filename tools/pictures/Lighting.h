// The one light every shaded picture is lit by, from the top left and a little from the front, so
// the tiles' balls and the pipe agree. Normals are unit vectors, z pointing at the viewer.
#pragma once

namespace Lighting {

inline constexpr double X = -0.45;
inline constexpr double Y = -0.55;
inline constexpr double Z = 0.70;

// The cosine between the normal and the light; negative where the surface faces away from it.
inline double facing(double nx, double ny, double nz) { return nx * X + ny * Y + nz * Z; }

// The z of the light reflected off the surface: 1 where it goes straight to a viewer in front.
inline double reflected(double nx, double ny, double nz) { return 2.0 * facing(nx, ny, nz) * nz - Z; }

}  // namespace Lighting
