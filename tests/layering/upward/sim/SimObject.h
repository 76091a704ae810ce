#pragma once

#include "platform/com/com.h"
#include "framework/design/TComponent.h"
