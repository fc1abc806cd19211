// The Windows build: everything comes from windows.h through the one mapping.
#pragma once

#include "platform/win/kernel/types.h"
