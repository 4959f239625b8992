// Heading, pitch and bank from direction and up vectors, shared by the
// quaternion and the transform administrator.
#pragma once

#include "toolkit/dv_Angle.h"
#include "toolkit/dv_Vector.h"

// Sets angle.h and angle.p from the direction (angle.b is untouched). For a
// zero direction it reports as `ownerClass` and returns false.
bool dv_HeadPitchFromVector(const dv_Vector& direction, const char* ownerClass, dv_Angle& angle);
// The bank of an up vector whose heading and pitch were already undone;
// `tolerance` is the test for "zero" on its x and y.
double dv_BankFromUp(const dv_Vector& up, double tolerance);
// Cosine of the angle between two vectors; 0, with a report, if either is zero.
double dv_CalcCosine(const dv_Vector& a, const dv_Vector& b);
