#include "calendar/frmcalendar.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return RunCalendar(instance);
}
