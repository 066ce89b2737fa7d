#pragma once

#include <QStringList>

class TForm1;
class TForm6;

// What must hold between any two things the user does, whatever they were:
// empty when all of it holds.
QStringList BrokenInWindows(const TForm1 &form1, const TForm6 &form6);
