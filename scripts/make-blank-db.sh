#!/bin/sh
# Builds the template database from its SQL script: make-blank-db.sh ISQL SCRIPT OUTPUT
set -e
isql="$1"; script="$2"; output="$3"
tmp="$output.tmp"
rm -f "$tmp"
{
  echo "SET SQL DIALECT 3;"
  echo "CREATE DATABASE '$tmp' USER 'SYSDBA' PASSWORD 'vintorael' PAGE_SIZE 8192 DEFAULT CHARACTER SET UTF8;"
  cat "$script"
} | "$isql" -q -b
mv -f "$tmp" "$output"
