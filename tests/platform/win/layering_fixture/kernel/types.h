// Kernel code using only the kernel: allowed.
#pragma once

#include "platform/win/kernel/types.h"
