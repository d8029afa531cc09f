# Benchmarks of each area are listed here.
