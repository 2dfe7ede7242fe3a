#!/usr/bin/perl
# Reads the registry files of a Wine prefix after setup ran and prints what
# setup wrote: extensions with their new and former owners, ProgIDs, the shell
# extension, App Paths and the uninstall entry.
#   report.pl PREFIX
use strict;
use warnings;
no warnings qw(surrogate nonchar non_unicode);
binmode STDOUT, ':encoding(UTF-8)';

my $prefix = shift or die "usage: report.pl PREFIX\n";

# { lower-case key path => { value name ('' for the default) => text } }
sub read_reg {
    my ($file, $root) = @_;
    my %keys;
    my $key;
    open my $in, '<', $file or die "$file: $!\n";
    while (my $line = <$in>) {
        $line =~ s/\r?\n$//;
        if ($line =~ /^\[(.*)\]/) {
            ($key = unescape($1)) =~ s/^\Q$root\E\\?//i;
            $key = lc $key;
            $keys{$key} ||= {};
        } elsif (defined $key && $line =~ /^(@|"(?:[^"\\]|\\.)*")=(.*)$/) {
            my ($name, $data) = ($1, $2);
            $name = $name eq '@' ? '' : unescape(substr $name, 1, -1);
            if ($data =~ /^(?:str\(\d\):)?"(.*)"$/) { $data = unescape($1) }
            elsif ($data =~ /^dword:([0-9a-f]+)$/) { $data = hex $1 }
            elsif ($data =~ /^hex/) { $data = '(binary)' }
            $keys{$key}{lc $name} = $data;
        }
    }
    return \%keys;
}

sub unescape {
    my ($text) = @_;
    $text =~ s/\\(x[0-9a-fA-F]{1,4}|.)/length $1 > 1 ? chr(hex substr $1, 1) : $1/ge;
    return $text;
}

my $machine = read_reg("$prefix/system.reg", 'Software');
my $user = read_reg("$prefix/user.reg", 'Software');
my $classes = sub { $machine->{lc "Classes\\$_[0]"} };

sub show { defined $_[0] ? ($_[0] eq '' ? '(empty)' : $_[0]) : '(none)' }

print "File types (new owner <- remembered former owner)\n";
for my $ext (qw(.zkv .zip .cab .arj .lzh .lha .ace .tar .gz .tgz .uue .xxe .uu .bz2 .tbz2 .bz .tbz .jar .iso)) {
    my $key = $classes->($ext);
    my $now = $key ? show($key->{''}) : '(no key)';
    my $record = $user->{lc "Zelkova\\Setup\\$ext"};
    my $former = '';
    if ($record && defined $record->{exist}) {
        $former = !$record->{exist} ? '  <- (no key before)'
                : '  <- ' . show($record->{type})
                  . ($record->{content} ? ", Content Type $record->{content}" : '')
                  . ($record->{shellnew} ? ", New menu $record->{shellnew}" : '');
    }
    my $new = $key && $key->{'content type'} ? " (Content Type $key->{'content type'})" : '';
    my $shellnew = $classes->("$ext\\ShellNew");
    my $menu = $shellnew && $shellnew->{filename} ? "  [New menu: $shellnew->{filename}]"
             : $shellnew && $shellnew->{data} ? '  [New menu: Data]' : '';
    printf "  %-6s %s%s%s%s\n", $ext, $now, $new, $former, $menu;
}
my @volumes = grep { my $k = $classes->(sprintf '.z%02d', $_); $k && ($k->{''} // '') eq 'Zelkova' } 0 .. 99;
printf "  .z00-.z99: %d volume extensions point at Zelkova\n", scalar @volumes;

print "\nProgIDs\n";
for my $id (qw(Zelkova Zelkova.ZIP Zelkova.REV)) {
    my $key = $classes->($id) or do { print "  $id: (none)\n"; next };
    printf "  %-12s %s\n  %-12s open: %s\n  %-12s icon: %s\n", $id, show($key->{''}), '',
        show($classes->("$id\\shell\\open\\command")->{''}), '', show($classes->("$id\\DefaultIcon")->{''});
}
printf "  .rev -> %s\n", show(($classes->('.rev') || {})->{''});

my $clsid = '{5F2C1A40-93B7-4E0D-A6C1-0B8E2D7F4A19}';
print "\nShell extension $clsid\n";
my $server = $classes->("CLSID\\$clsid\\InProcServer32");
printf "  server: %s (%s)\n", show($server && $server->{''}), show($server && $server->{threadingmodel});
my $own = quotemeta lc $clsid;
my @handlers = grep { /shellex\\.*($own|zelkova|drophandler)$/ && exists $machine->{$_}{''} }
               sort keys %$machine;
printf "  handler entries: %d\n", scalar @handlers;
my $approved = $machine->{lc 'Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved'} || {};
printf "  approved: %s\n", show($approved->{lc $clsid});

print "\nMachine entries\n";
my $app = $machine->{lc 'Microsoft\\Windows\\CurrentVersion\\App Paths\\Zelkova.exe'} || {};
printf "  App Paths Zelkova.exe: %s (Path %s)\n", show($app->{''}), show($app->{path});
my $un = $machine->{lc 'Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zelkova archiver'} || {};
printf "  Uninstall entry: %s\n  UninstallString: %s\n", show($un->{displayname}), show($un->{uninstallstring});

print "\nSaved choices (HKCU\\Software\\Zelkova\\Setup)\n";
my $setup = $user->{lc 'Zelkova\\Setup'} || {};
my $links = $user->{lc 'Zelkova\\Setup\\Links'} || {};
printf "  ShellExt %s, CascadedMenu %s, MenuIcons %s; Desktop %s, StartMenu %s, Programs %s\n",
    map { show($_) } @$setup{qw(shellext cascadedmenu menuicons)}, @$links{qw(desktop startmenu programs)};
