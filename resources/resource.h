#pragma once

#define IDI_VARNOOK 101
