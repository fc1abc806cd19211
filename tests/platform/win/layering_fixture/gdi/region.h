// A gdi header that reaches up into user: the layering check must refuse it.
#pragma once

#include "platform/win/kernel/types.h"
#include "platform/win/user/window.h"
