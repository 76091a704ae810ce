#pragma once

#include "framework/hosting/TkvxCOMAddInModule.h"
