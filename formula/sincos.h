// The sine and cosine of the series. The runtime's own (the x87 instructions in the Windows
// builds) lose bits for large angles and differ from build to build; these give the same bits
// in every build and are within 1 ulp of the true values for every finite angle.
#pragma once

// sine = sin(theta), cosine = cos(theta); both NaN for an infinite or NaN angle.
void SinCos(double theta, double& sine, double& cosine);
