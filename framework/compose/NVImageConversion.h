// The two conversions between the framework's images (B, G, R, A, rows top
// down) and the toolkit's texture images (R, G, B, A, rows bottom up in a
// power-of-two buffer).
#pragma once

class NVImage;
class dv_Image;

// The toolkit image takes the framework image's size and pixels and is
// marked as changed. False, and nothing changes, when either is missing or
// the framework image is empty.
bool convertToToolkitImage(const NVImage* source, dv_Image* target);
// The framework image takes the toolkit image's size and pixels; the toolkit
// image is marked as changed too. False, and nothing changes, when either is
// missing or the toolkit image is empty.
bool convertToFrameworkImage(dv_Image* source, NVImage* target);
