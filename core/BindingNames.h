#pragma once

#include <QString>

// The names that tie widgets, the module's parameter sets and the panel
// settings file together. A widget tagged with one set name must find the
// same set in the module and the same group in a settings file, so they are
// written once, here.
namespace BindingNames {

// Dynamic properties every bound widget carries.
constexpr const char *parameterType = "DWAV_ParameterType";
constexpr const char *parameterName = "DWAV_ParameterName";
constexpr const char *subParameterType = "DWAV_SubParameterType";
constexpr const char *parameterValue = "DWAV_ParameterValue";
constexpr const char *parameterConstValue = "DWAV_ParameterConstValue";

// Set names: values of parameterType and group names of the settings file.
constexpr const char *chanSet = "DWAV_ChanParameters";
constexpr const char *commonSet = "DWAV_CommonParameters";
constexpr const char *qmSet = "DWAV_QMParameters";
constexpr const char *afgSet = "DWAV_AFGParameters";
constexpr const char *awgSet = "DWAV_AWGParameters";

} // namespace BindingNames
