# Sourced: what set-up found the 32-bit part can do on this machine, kept in
# build/deps/runs-32bit as two lines:
#   linux: kernel | qemu | no: REASON   how the unit tests and the fuzzer
#                                       built as 32-bit Linux code run
#   wine: yes | no: REASON              whether Wine runs the 32-bit program

# The value of one line: runs_32bit ROOT linux|wine.
runs_32bit() {
  local value
  value=$(sed -n "s/^$2: //p" "$1/build/deps/runs-32bit" 2>/dev/null | head -n 1)
  printf '%s\n' "${value:-no: set-up has not run}"
}

# Runs a program built as 32-bit Linux code the way this machine can: as it
# is where the kernel runs such code, under qemu-i386 where it does not.
# Where neither can, says why and returns 77, which ctest counts as skipped.
run_32bit() {  # ROOT program argument...
  local how
  how=$(runs_32bit "$1" linux)
  shift
  case $how in
    kernel) "$@" ;;
    # Under qemu the program believes it runs on a 32-bit kernel, so
    # AddressSanitizer takes the top gigabyte for the kernel's, while qemu
    # hands out memory up to 4 GiB: -R keeps every mapping below 0xbf000000
    # (at 0xc0000000 exactly, the sanitizer trips over a chunk that ends at
    # its own limit). LeakSanitizer stops the threads with ptrace to look
    # for leaks at exit, which qemu does not offer: it would hang there, so
    # leaks are left to the 64-bit runs.
    qemu) ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0 qemu-i386 -R 0xbf000000 "$@" ;;
    *)
      echo "skipped: ${how#no: }"
      return 77
      ;;
  esac
}
