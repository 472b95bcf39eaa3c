#pragma once
// The stand-in for the database access component, for builds without the
// real one. It answers as the real component does, from its own store (a
// folder, magasin.h): users and their passwords, the application's bases and
// their folders, each base's files and records, and the faults a test wants.
//
// Every call reads the store afresh, so that changes made meanwhile (by the
// administration tool, or by a fault that counts down) are seen at once.

#include <memory>
#include <string>

#include "dba/composant.h"
#include "magasin.h"
#include "platform/posix/registre_composants.h"

namespace composant_dba {

inline constexpr std::string_view APPLICATION = "TARMELDON";

// A new client, unconnected, on the store in `dossierMagasin` (native path).
std::shared_ptr<maj::dba::CClient> NouveauClient(std::string dossierMagasin);

// Registers the component under its identifiers: "DBA.CClient" and the
// class identifier of CDynArray.
void Inscrire(maj::posix::RegistreComposants& registre, std::string dossierMagasin);

}  // namespace composant_dba
