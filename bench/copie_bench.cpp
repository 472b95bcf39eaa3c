// The update file copy, file by file through the command runner, against the
// same files copied by a shell loop running cp on each file and by a single
// cp -r of the folder. Also timed: the copy done inside the process, the
// alternative to starting a command per file.
//
//   bench_copie [--fichiers=N] [benchmark options]
//
// After the runs it prints, for small and for 10 MiB files, each way's median
// cost per file as a ratio to the cp loop's.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/posix/systeme_posix.h"
#include "ui/frm_maj.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

// No operator and no component: the copy needs neither.
class SansFenetres : public maj::Fenetres {
public:
    void PointeurEcran(maj::Pointeur) override {}
    void PointeurFenetre(maj::Pointeur) override {}
    void ActiverFenetre(bool) override {}
    void TraiterEvenements() override {}
    void Message(maj::GenreMessage, const std::string&, const std::string&) override {}
    std::string InputBox(const std::string&, const std::string&) override { return {}; }
    void AfficherModal(maj::Frm_Connexion&) override {}
    void FermerFenetre() override {}
};

class SansComposant : public maj::dba::Activation {
public:
    maj::Resultat<std::shared_ptr<maj::dba::CClient>> CreerClient(std::string_view) override {
        return maj::ERR_CREATION_OBJET;
    }
    maj::Resultat<std::shared_ptr<maj::dba::CDynArray>> CreerDynArray(std::string_view) override {
        return maj::ERR_CREATION_OBJET;
    }
};

int NombreFichiers = 20;

// A program folder whose "INSTALLMAJ" holds `nombre` files of `taille`
// bytes, and a base folder with its empty "INSTALLMAJ".
class Jeu {
public:
    Jeu(std::string nom, std::size_t taille, int nombre) : nom_(std::move(nom)) {
        std::string modele = (fs::temp_directory_path() / "bench-copie-XXXXXX").string();
        if (::mkdtemp(modele.data()) == nullptr) throw std::runtime_error("mkdtemp");
        racine_ = modele;
        fs::create_directories(Source());
        fs::create_directories(Destination());
        std::string octets(taille, '\0');
        for (std::size_t k = 0; k < taille; ++k) octets[k] = static_cast<char>((k * 131 + 7) & 0xFF);
        for (int k = 1; k <= nombre; ++k) {
            char nomFichier[32];
            std::snprintf(nomFichier, sizeof nomFichier, "FICHIER%03d.DAT", k);
            std::ofstream(Source() / nomFichier, std::ios::binary) << octets;
        }
    }
    ~Jeu() {
        std::error_code ignoree;
        fs::remove_all(racine_, ignoree);
    }
    Jeu(const Jeu&) = delete;
    Jeu& operator=(const Jeu&) = delete;

    const std::string& Nom() const { return nom_; }
    fs::path Programme() const { return racine_ / "programme"; }
    fs::path Source() const { return Programme() / "INSTALLMAJ"; }
    fs::path Base() const { return racine_ / "base"; }
    fs::path Destination() const { return Base() / "INSTALLMAJ"; }

private:
    std::string nom_;
    fs::path racine_;
};

void Executer(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        throw std::runtime_error("cannot start " + arguments[0]);
    int statut = 0;
    while (::waitpid(pid, &statut, 0) < 0) {
    }
    if (!WIFEXITED(statut) || WEXITSTATUS(statut) != 0) throw std::runtime_error(arguments[0] + " failed");
}

void ParFichier(benchmark::State& etat) {
    etat.counters["par_fichier"] = benchmark::Counter(static_cast<double>(NombreFichiers),
                                                      benchmark::Counter::kIsIterationInvariantRate |
                                                          benchmark::Counter::kInvert);
}

void CopieInstallMAJ(benchmark::State& etat, const Jeu* jeu) {
    maj::posix::SystemePosix systeme(jeu->Base().string(), jeu->Programme().string());
    SansComposant composant;
    SansFenetres fenetres;
    maj::Variable variable;
    auto listeur = systeme.CreerListeur();
    if (!listeur.ok()) throw std::runtime_error("no listing");
    variable.G_Fso = std::move(*listeur);
    maj::Frm_MAJ frm(systeme, composant, fenetres, variable);
    for (auto _ : etat) {
        if (frm.CopieInstallMAJ(jeu->Base().string())) throw std::runtime_error("copy failed");
    }
    ParFichier(etat);
}

void BoucleCp(benchmark::State& etat, const Jeu* jeu) {
    for (auto _ : etat)
        Executer({"sh", "-c", "for f in \"$1\"/*; do cp -f -- \"$f\" \"$2\"/; done", "sh", jeu->Source().string(),
                  jeu->Destination().string()});
    ParFichier(etat);
}

void CpRecursif(benchmark::State& etat, const Jeu* jeu) {
    for (auto _ : etat) Executer({"cp", "-r", "--", jeu->Source().string() + "/.", jeu->Destination().string()});
    ParFichier(etat);
}

// The in-process alternative: each file copied by the kernel, without a command.
void CopieDansLeProcessus(benchmark::State& etat, const Jeu* jeu) {
    std::vector<fs::path> fichiers;
    for (const auto& entree : fs::directory_iterator(jeu->Source())) fichiers.push_back(entree.path());
    for (auto _ : etat) {
        for (const fs::path& fichier : fichiers) {
            const int source = ::open(fichier.c_str(), O_RDONLY | O_CLOEXEC);
            const int cible = ::open((jeu->Destination() / fichier.filename()).c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
            if (source < 0 || cible < 0) throw std::runtime_error("open");
            while (::copy_file_range(source, nullptr, cible, nullptr, 1 << 30, 0) > 0) {
            }
            ::close(source);
            ::close(cible);
        }
    }
    ParFichier(etat);
}

// Keeps each run's time per file for the ratios printed at the end.
// With repetitions, the median of the repetitions.
class Releve : public benchmark::ConsoleReporter {
public:
    Releve() : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const bool mediane = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type != Run::RT_Iteration && !mediane) continue;
            auto compteur = run.counters.find("par_fichier");
            if (compteur == run.counters.end()) continue;
            const std::string nom = run.run_name.str();
            if (mediane || !medianes_.count(nom)) parFichier[nom] = compteur->second.value;
            if (mediane) medianes_.insert(nom);
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> parFichier;

private:
    std::set<std::string> medianes_;
};

}  // namespace

int main(int argc, char** argv) {
    // Repetitions run in a random order, so that a machine busy with other
    // work weighs on every way alike; options given on the command line win.
    std::vector<char*> arguments{argv[0], const_cast<char*>("--benchmark_repetitions=5"),
                                 const_cast<char*>("--benchmark_enable_random_interleaving=true"),
                                 const_cast<char*>("--benchmark_report_aggregates_only=true")};
    for (int k = 1; k < argc; ++k) {
        if (std::strncmp(argv[k], "--fichiers=", 11) == 0)
            NombreFichiers = std::max(1, std::atoi(argv[k] + 11));
        else
            arguments.push_back(argv[k]);
    }
    int nombre = static_cast<int>(arguments.size());
    benchmark::Initialize(&nombre, arguments.data());

    const Jeu petits("petits", 4 * 1024, NombreFichiers);
    const Jeu gros("10MiB", 10 * 1024 * 1024, NombreFichiers);
    const std::vector<std::pair<const char*, void (*)(benchmark::State&, const Jeu*)>> facons{
        {"CopieInstallMAJ", CopieInstallMAJ},
        {"BoucleCp", BoucleCp},
        {"CpRecursif", CpRecursif},
        {"CopieDansLeProcessus", CopieDansLeProcessus}};
    for (const Jeu* jeu : {&petits, &gros})
        for (const auto& [nom, facon] : facons)
            benchmark::RegisterBenchmark((std::string(nom) + "/" + jeu->Nom()).c_str(), facon, jeu)
                ->UseRealTime()
                ->Unit(benchmark::kMillisecond);

    Releve releve;
    benchmark::RunSpecifiedBenchmarks(&releve);

    std::printf("\nCost per file, %d files a run (ratio to the cp loop; a fixed 100 ms poll would cost 100 ms)\n",
                NombreFichiers);
    for (const Jeu* jeu : {&petits, &gros}) {
        auto trouve = releve.parFichier.find("BoucleCp/" + jeu->Nom() + "/real_time");
        if (trouve == releve.parFichier.end()) continue;
        const double reference = trouve->second;
        for (const auto& [nom, facon] : facons) {
            auto mesure = releve.parFichier.find(std::string(nom) + "/" + jeu->Nom() + "/real_time");
            if (mesure == releve.parFichier.end()) continue;
            std::printf("  %-7s %-22s %9.3f ms  %6.2fx\n", jeu->Nom().c_str(), nom, mesure->second * 1e3,
                        mesure->second / reference);
        }
    }
    benchmark::Shutdown();
    return 0;
}
