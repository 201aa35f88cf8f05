#pragma once
// The wage-tax modules of 2000 to 2009, each defined in its year's file.

#include "PapAb2005.h"
#include "PapAb2008.h"
#include "PapBis2004.h"

namespace brenvik {

PapBis2004& LStPap00();
PapBis2004& LStPap01();
PapBis2004& LStPap02();
PapBis2004& LStPap03();
PapBis2004& LStPap04();
PapAb2005& LStPap05();
PapAb2005& LStPap06();
PapAb2005& LStPap07();
PapAb2008& LStPap08();
PapAb2008& LStPap09();
// 2009 with the tariff before the second stimulus package (short-time
// allowance tables only).
PapAb2008& LStPap09_vorKon2();

// The 2002 constants, which 2003 applies unchanged.
const PapJahrBis2004& parameter2002();

} // namespace brenvik
