#pragma once
/* The collector terminal's driver library (libminidrav.so), C ABI.
 *
 * Each operation takes the port number (1 for COM1, 2 for COM2, ...) and
 * returns a status. The port's device comes from "minidrav.cfg" beside the
 * library (see DriverConfig.h); the collected data go to the file that
 * CaminhoArquivoDados() names, "DATAMD.TMD" beside the library. */

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define MINIDRAV_API __attribute__((visibility("default")))

enum {
    MINIDRAV_OK = 0,            /* done */
    MINIDRAV_SEM_RESPOSTA = 1,  /* the terminal does not answer */
    MINIDRAV_PORTA_FECHADA = 2, /* the port cannot be opened */
    MINIDRAV_FALHA_LOCAL = 3    /* this computer failed: the data file could not be written */
};

/* The terminal answered on that port. */
MINIDRAV_API int32_t TestaComunicacao(int32_t porta);
/* The terminal's records are in the data file, all of them or, on failure,
 * the file is left as it was. The terminal keeps its records. */
MINIDRAV_API int32_t ColetaDados(int32_t porta);
/* The terminal's records are erased. */
MINIDRAV_API int32_t ApagaDados(int32_t porta);
/* The terminal's clock is set to this computer's local date and time. */
MINIDRAV_API int32_t EnviaDataHora(int32_t porta);
/* Absolute path of the collected-data file; valid while the library is loaded. */
MINIDRAV_API const char *CaminhoArquivoDados(void);

#ifdef __cplusplus
}
#endif
