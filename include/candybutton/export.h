/// @file
/// @brief The export macro of the CandyButton library.
#pragma once

/// Marks a class or function of the public interface: the shared library
/// exports these and hides everything else.
#define CANDYBUTTON_API __attribute__((visibility("default")))
