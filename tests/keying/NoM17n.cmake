# Stands in for the input methods' test where libm17n was not found when the
# build was configured: it fails, saying why.
message(FATAL_ERROR "${WHAT} cannot test the m17n input methods: libm17n was not found when the build was "
                    "configured. Install it (Debian: apt-get install libm17n-dev pkg-config; ./dev test does) "
                    "and configure again.")
