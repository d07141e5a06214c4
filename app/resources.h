#pragma once
// Names of the program's resources (app/resources/lanque.rc).
#define LANQUE_ICON_RESOURCE L"MAINICON"
#define LANQUE_BANNER_RESOURCE L"BANNER"
