# Sourced: probes which Windows architectures this host can run under Wine.
# Sets QELBOX_RUN32 and QELBOX_RUN64 to 1 or 0. Some kernels refuse every
# 32-bit Linux program (the 32-bit loader fails with "Exec format error"),
# and 32-bit Wine then cannot start; 64-bit Wine works there.
QELBOX_RUN32=0
QELBOX_RUN64=0
if [ -x /lib/ld-linux.so.2 ] && /lib/ld-linux.so.2 --version >/dev/null 2>&1 &&
    [ -x /usr/lib/wine/wine ]; then
    QELBOX_RUN32=1
fi
if /lib64/ld-linux-x86-64.so.2 --version >/dev/null 2>&1 && [ -x /usr/lib/wine/wine64 ]; then
    QELBOX_RUN64=1
fi
