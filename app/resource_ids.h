#pragma once
// Shared by tarvello.rc and the code that loads the resources.
#define IDI_TARVELLO 1
#define IDR_PICTURE 101
