// The worked example's project file as a machine in the United States saves it: the lines
// every outlet shares, and the whole file with the outlet block of a method.
#pragma once

#include <string>

namespace velmora {

inline const char* const kWorkedExampleCommonLines =
    "Example detention pond\r\n"
    "3/15/2007\r\n"
    "P-101\r\n"
    "0\r\n"
    "4.500 5.200 6.100 6.800 7.500\r\n"
    "1.000 2.100 2.500 3.100 3.600 4.100\r\n"
    "6.000 3.400 4.100 5.000 5.700 6.500\r\n"
    "24.000 5.000 6.000 7.500 8.700 10.000\r\n"
    "999 *** *** *** *** ***\r\n"
    "10.00\r\n10.00\r\n0.200\r\n0.850\r\n60.00\r\n0.750\r\n25.00\r\n"
    "0.50\r\n";

inline const char* const kWeirOutletLines = "0\r\n26.50\r\n3.33\r\n0.00\r\n12.00\r\n";

inline std::string outletFile(const char* outletLines) {
    return std::string(kWorkedExampleCommonLines) + outletLines;
}

} // namespace velmora
