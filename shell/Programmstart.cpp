#include "Programmstart.h"

#include "FormBasisOptionen.h"
#include "Global_Var.h"
#include "ImageForm.h"
#include "KLogger.h"
#include "Meldung.h"
#include "StartFensterData.h"
#include "WertList.h"

namespace brenvik {

int ProgrammInitialisieren() {
    TLogger::Instance();
    TStartFensterData::Instance();
    try {
        TGlobalData::Instance();
    } catch (const std::exception& e) {
        ZeigeFehlermeldung(QString::fromUtf8(e.what()));
        ProgrammFinalisieren();
        return 1;
    }
    TFormBasisOptionen::Instance();
    TImageForm::Instance();
    TWertListRegistrieren();
    return 0;
}

void ProgrammFinalisieren() {
    TImageForm::ReleaseInstance();
    TFormBasisOptionen::ReleaseInstance();
    try {
        TGlobalData::ReleaseInstance();
    } catch (const std::exception&) {
        // Already logged; the logger still has to close its file.
    }
    TStartFensterData::ReleaseInstance();
    TLogger::ReleaseInstance();
}

} // namespace brenvik
