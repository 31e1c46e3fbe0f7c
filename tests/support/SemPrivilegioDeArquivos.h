#pragma once

// While it lives, file permissions bind the calling thread even under root, as in CI: it drops
// CAP_DAC_OVERRIDE and CAP_DAC_READ_SEARCH from the thread's effective set, and gives back at
// the end what the permitted set allows.

#ifdef __linux__
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace apoio {

class SemPrivilegioDeArquivos {
public:
    SemPrivilegioDeArquivos() { trocar(false); }
    ~SemPrivilegioDeArquivos() { trocar(true); }

private:
    static void trocar([[maybe_unused]] bool devolver)
    {
#ifdef __linux__
        constexpr unsigned dac = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
        __user_cap_header_struct cabecalho{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct dados[2]{};
        if (syscall(SYS_capget, &cabecalho, dados) != 0)
            return;
        dados[0].effective =
            devolver ? dados[0].effective | (dados[0].permitted & dac) : dados[0].effective & ~dac;
        syscall(SYS_capset, &cabecalho, dados);
#endif
    }
};

} // namespace apoio
